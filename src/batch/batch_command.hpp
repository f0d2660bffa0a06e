#pragma once

#include "batch/batch_args.hpp"
#include "batch/batch_io.hpp"

#include <string>
#include <vector>

namespace zelkor::batch {

struct BatchCommand {
    std::string name;
    std::string usage;  // the usage line, without "usage: "
    ArgSpec rules;
    int (*run)(const BatchArgs& args, const BatchIo& io, const std::string& usage);
};

// One factory per command file.
BatchCommand InfoCommand();
BatchCommand ConvertCommand();
BatchCommand StatsCommand();
BatchCommand HistogramCommand();
BatchCommand RelativisticCommand();
BatchCommand EmittanceCommand();
BatchCommand SigmaMatrixCommand();
BatchCommand TransformCommand();
BatchCommand TwissCommand();
BatchCommand GenerateCommand();
BatchCommand ElementCommand();
BatchCommand PositionsCommand();
BatchCommand AnglesCommand();
BatchCommand SummaryCommand();

// Every command, in the order --help lists them.
const std::vector<BatchCommand>& BatchCommands();

}  // namespace zelkor::batch
