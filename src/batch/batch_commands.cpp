#include "batch/batch_command.hpp"

namespace zelkor::batch {

const std::vector<BatchCommand>& BatchCommands() {
    static const std::vector<BatchCommand> commands = {
        InfoCommand(),      ConvertCommand(),     StatsCommand(),     HistogramCommand(), RelativisticCommand(),
        EmittanceCommand(), SigmaMatrixCommand(), TransformCommand(), TwissCommand(),     GenerateCommand(),
        ElementCommand(),   PositionsCommand(),   AnglesCommand(),    SummaryCommand(),
    };
    return commands;
}

}  // namespace zelkor::batch
