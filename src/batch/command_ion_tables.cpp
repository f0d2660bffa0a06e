#include "batch/batch_command.hpp"
#include "batch/batch_load.hpp"
#include "io/printf_format.hpp"
#include "tables/quantity_table.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

struct RowOption {
    const char* name;
    QuantityId quantity;
};

constexpr RowOption kPositionOptions[] = {{"y", QuantityId::PosY},
                                          {"z", QuantityId::PosZ},
                                          {"absy", QuantityId::PosabsY},
                                          {"absz", QuantityId::PosabsZ},
                                          {"yz", QuantityId::PosYZ}};
constexpr RowOption kAngleOptions[] = {{"angx", QuantityId::AngX},
                                       {"angy", QuantityId::AngY},
                                       {"angz", QuantityId::AngZ},
                                       {"dydx", QuantityId::dYdX},
                                       {"dzdx", QuantityId::dZdX}};

std::optional<int> UnitCode(const std::string& text, QuantityId quantity) {
    const bool length = quantity >= QuantityId::PosY && quantity <= QuantityId::PosYZ;
    const bool slope = quantity == QuantityId::dYdX || quantity == QuantityId::dZdX;
    static const std::vector<std::string> lengths{"A", "nm", "um", "mm", "m"}, angles{"deg", "rad", "mrad"},
        slopes{"rad", "mrad"};
    const auto& units = length ? lengths : slope ? slopes : angles;
    for (std::size_t code = 0; code < units.size(); ++code)
        if (text == units[code]) return static_cast<int>(code);
    return std::nullopt;
}

void PrintTable(const BatchIo& io, const IonGridTable& table) {
    std::string text;
    for (int c = 0; c < table.columns(); ++c) text.append(c > 0 ? "\t" : "").append(table.title(c));
    text += '\n';
    for (int ion = 1; ion <= table.rows(); ++ion) {
        char cell[kMaxNumberChars];
        for (int c = 0; c < table.columns(); ++c) {
            if (c > 0) text += '\t';
            text.append(cell, table.appendCell(cell, ion, c));
        }
        text += '\n';
        if (text.size() > (1u << 16)) {
            io.out << text;
            text.clear();
        }
    }
    io.out << text;
}

template <std::size_t N>
int RunTable(const BatchArgs& args, const BatchIo& io, const std::string& usage, const RowOption (&options)[N],
             const char* unitsText, QuantityTable (*make)(const ParticleSet&, const AppState&, const RowTicks&)) {
    RowTicks ticks{};
    std::array<int, N> codes{};
    for (std::size_t row = 0; row < N; ++row) {
        const auto text = args.option(options[row].name);
        if (!text) continue;
        const auto code = UnitCode(*text, options[row].quantity);
        if (!code) return UsageError(io, std::string("--") + options[row].name + " must be " + unitsText, usage);
        ticks[row] = true;
        codes[row] = *code;
    }
    int exitCode = kExitOk;
    auto data = LoadForBatch(args, io, usage, exitCode);
    if (!data) return exitCode;
    if (const auto refusal = CheckRowsTicked(ticks)) {
        PrintMessage(io, *refusal);
        return kExitStopped;
    }
    for (std::size_t row = 0; row < N; ++row)
        if (ticks[row]) data->state.unitOf(options[row].quantity) = codes[row];
    PrintTable(io, make(data->set, data->state, ticks));
    return kExitOk;
}

int RunPositions(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    return RunTable(args, io, usage, kPositionOptions, "A, nm, um, mm or m", &MakePositionTable);
}

int RunAngles(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    return RunTable(args, io, usage, kAngleOptions, "deg, rad or mrad (slopes rad or mrad)", &MakeAngleTable);
}

}  // namespace

BatchCommand PositionsCommand() {
    return {"positions",
            "zelkor-batch positions FILE [--kind transmit|trim|pnt] [--y U] [--z U] [--absy U] [--absz U] [--yz U]",
            ArgSpec{{"kind", "y", "z", "absy", "absz", "yz"}, {}}, &RunPositions};
}

BatchCommand AnglesCommand() {
    return {
        "angles",
        "zelkor-batch angles FILE [--kind transmit|trim|pnt] [--angx U] [--angy U] [--angz U] [--dydx U] [--dzdx U]",
        ArgSpec{{"kind", "angx", "angy", "angz", "dydx", "dzdx"}, {}}, &RunAngles};
}

}  // namespace zelkor::batch
