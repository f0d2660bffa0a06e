#include "batch/stats_setup.hpp"

#include "relativity/take_ion_masses.hpp"
#include "stats/page_quantity.hpp"
#include "stats/quantity.hpp"

namespace zelkor::batch {
namespace {

// --A and --amu stand for the relativistic window's two edits; an option left
// out is an empty edit, refused as the window refuses it. The window opens
// only for TRANSMIT.TXT and TRIM.DAT sets.
std::optional<Message> ApplyRelativisticInputs(const BatchArgs& args, LoadedData& data) {
    if (!args.has("A") && !args.has("amu")) return std::nullopt;
    return TakeSpecies(args.option("A").value_or(""), args.option("amu").value_or(""), data.state, data.set);
}

}  // namespace

int Stopped(const BatchIo& io, const Message& message) {
    PrintMessage(io, message);
    return kExitStopped;
}

std::optional<StatsSetup> SetUpStats(const BatchArgs& args, const BatchIo& io, const std::string& usage,
                                     int& exitCode) {
    const auto name = args.option("quantity");
    if (!name) {
        exitCode = UsageError(io, "--quantity is missing", usage);
        return std::nullopt;
    }
    const auto quantity = QuantityFromName(*name);
    if (!quantity) {
        exitCode = UsageError(io, "unknown quantity " + *name + " (KinEnerg ... dZdX)", usage);
        return std::nullopt;
    }
    int unitCode = 0;
    if (const auto symbol = args.option("unit")) {
        const auto code = UnitFromSymbol(*quantity, *symbol);
        if (!code) {
            exitCode = UsageError(io, "unit " + *symbol + " does not belong to " + *name, usage);
            return std::nullopt;
        }
        unitCode = *code;
    }
    auto data = LoadForBatch(args, io, usage, exitCode);
    if (!data) return std::nullopt;
    if (const auto refusal = ApplyRelativisticInputs(args, *data)) {
        exitCode = Stopped(io, *refusal);
        return std::nullopt;
    }
    SetPageQuantity(data->state, *quantity);
    data->state.unitOf(*quantity) = unitCode;
    return StatsSetup{std::move(*data), QuantityPage(*quantity)};
}

}  // namespace zelkor::batch
