#include "batch/batch_command.hpp"
#include "batch/batch_load.hpp"
#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"
#include "relativity/relativistic_table.hpp"
#include "stats/unit_scale.hpp"

#include <ostream>
#include <sstream>

namespace zelkor::batch {
namespace {

bool ReadColumns(const std::string& list, RelativisticSelection& s) {
    if (list == "all") {
        s = RelativisticSelection::All();
        return true;
    }
    std::istringstream names(list);
    for (std::string name; std::getline(names, name, ',');) {
        if (name == "gamma")
            s.gamma = true;
        else if (name == "beta")
            s.beta = true;
        else if (name == "betagamma")
            s.betaGamma = true;
        else if (name == "mass")
            s.mass = true;
        else if (name == "velocity")
            s.velocity = true;
        else if (name == "momentum")
            s.momentum = true;
        else if (name == "rigidity")
            s.rigidity = true;
        else
            return false;
    }
    return true;
}

// eV .. GeV, for momentum also eV/c .. GeV/c; nullopt for anything else.
std::optional<int> UnitCode(std::string text, bool momentum) {
    if (momentum && text.size() > 2 && text.compare(text.size() - 2, 2, "/c") == 0) text.resize(text.size() - 2);
    for (std::size_t code = 0; code < kEnergyUnitSymbols.size(); ++code)
        if (text == kEnergyUnitSymbols[code]) return static_cast<int>(code);
    return std::nullopt;
}

void PrintTable(const BatchIo& io, const RelativisticTable& t, const ParticleSet& set) {
    std::string text;
    for (std::size_t c = 0; c < t.headers.size(); ++c) text.append(c > 0 ? "\t" : "").append(t.headers[c]);
    text += '\n';
    char line[16 * (kMaxNumberChars + 1)];
    for (int i = 1; i <= t.rows; ++i) {
        char* end = AppendInt(line, i);
        for (std::size_t c = 1; c < t.columns.size(); ++c) {
            *end++ = '\t';
            end = AppendExponentFast(end, t.value(c, set.record(i)), 6);  // "%lE"
        }
        *end++ = '\n';
        text.append(line, end);
        if (text.size() > (1u << 16)) {
            io.out << text;
            text.clear();
        }
    }
    io.out << text;
}

int RunRelativistic(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    RelativisticSelection selection;
    if (!ReadColumns(args.option("columns").value_or(""), selection))
        return UsageError(io, "--columns lists gamma, beta, betagamma, mass, velocity, momentum, rigidity, or is all",
                          usage);
    const std::pair<const char*, QuantityId> unitOptions[] = {{"energy-unit", QuantityId::KinEnerg},
                                                              {"energy-a-unit", QuantityId::EnergA},
                                                              {"energy-amu-unit", QuantityId::Energamu},
                                                              {"momentum-unit", QuantityId::Mom}};
    std::array<int, 4> units{};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto code = UnitCode(args.option(unitOptions[k].first).value_or("eV"), k == 3);
        if (!code)
            return UsageError(io, std::string("--") + unitOptions[k].first + " must be eV, keV, MeV or GeV", usage);
        units[k] = *code;
    }
    int exitCode = kExitOk;
    auto data = LoadForBatch(args, io, usage, exitCode);
    if (!data) return exitCode;
    if (const auto refusal = CheckRelativisticAvailable(data->state.sourceKind)) {
        PrintMessage(io, *refusal);
        return kExitStopped;
    }
    const auto inputs = ValidateRelativisticInputs(args.option("A").value_or(""), args.option("amu").value_or(""),
                                                   selection.rigidity, args.option("n").value_or(""));
    if (const auto* message = std::get_if<Message>(&inputs)) {
        PrintMessage(io, *message);
        return kExitStopped;
    }
    StoreRelativisticInputs(std::get<RelativisticInputs>(inputs), data->state);
    for (std::size_t k = 0; k < 4; ++k) data->state.unitOf(unitOptions[k].second) = units[k];
    const RelativisticTable table = ComputeRelativisticTable(data->set, data->state, selection);
    PrintTable(io, table, data->set);
    return kExitOk;
}

}  // namespace

BatchCommand RelativisticCommand() {
    return {"relativistic",
            "zelkor-batch relativistic FILE [--kind transmit|trim|pnt] --A A --amu M [--n N] "
            "[--columns gamma,beta,betagamma,mass,velocity,momentum,rigidity|all] [--energy-unit U] "
            "[--energy-a-unit U] [--energy-amu-unit U] [--momentum-unit U]",
            ArgSpec{{"kind", "A", "amu", "n", "columns", "energy-unit", "energy-a-unit", "energy-amu-unit",
                     "momentum-unit"},
                    {}},
            &RunRelativistic};
}

}  // namespace zelkor::batch
