#pragma once

#include "batch/batch_args.hpp"
#include "batch/batch_io.hpp"
#include "batch/batch_load.hpp"
#include "state/stat_page.hpp"

#include <optional>
#include <string>

namespace zelkor::batch {

// A loaded set with the page of --quantity showing that quantity in --unit,
// after the relativistic inputs of --A and --amu were taken as the window
// would take them.
struct StatsSetup {
    LoadedData data;
    StatPage page = StatPage::Energy;
};

// The options every statistics command takes besides its own.
inline constexpr const char* kStatsOptionsUsage =
    "FILE [--kind transmit|trim|pnt] --quantity Q [--unit U] [--A A] [--amu M]";

// Checks --quantity and --unit, loads FILE and applies --A/--amu. On failure
// prints why, sets exitCode and returns nothing.
std::optional<StatsSetup> SetUpStats(const BatchArgs& args, const BatchIo& io, const std::string& usage, int& exitCode);

// Prints a refusal and returns the exit status of a stopped command.
int Stopped(const BatchIo& io, const Message& message);

}  // namespace zelkor::batch
