#include "batch/batch_command.hpp"
#include "batch/batch_load.hpp"
#include "io/printf_format.hpp"
#include "optics/emittance_axes.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

std::optional<EmittanceMode> ModeNamed(const std::string& name) {
    if (name == "horizontal") return EmittanceMode::Horizontal;
    if (name == "vertical") return EmittanceMode::Vertical;
    if (name == "real") return EmittanceMode::RealSpace;
    return std::nullopt;
}

int RunEmittance(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    const auto mode = ModeNamed(args.option("mode").value_or(""));
    if (!mode) return UsageError(io, "--mode must be horizontal, vertical or real", usage);
    int exitCode = kExitOk;
    const auto data = LoadForBatch(args, io, usage, exitCode);
    if (!data) return exitCode;
    const auto planned = PlanEmittanceAxes(*mode, args.option("scale-h").value_or(""),
                                           args.option("scale-v").value_or(""), data->set, data->state.sourceKind);
    if (const auto* refusal = std::get_if<Message>(&planned)) {
        PrintMessage(io, *refusal);
        return kExitStopped;
    }
    const EmittanceAxes& axes = std::get<EmittanceAxes>(planned);
    const EmittancePlot plot = PlotOf(*mode);
    io.out << "bottom\t" << plot.bottomTitle << '\t' << FormatShortest(axes.bottom.min) << '\t'
           << FormatShortest(axes.bottom.max) << '\n';
    io.out << "left\t" << plot.leftTitle << '\t' << FormatShortest(axes.left.min) << '\t'
           << FormatShortest(axes.left.max) << '\n';
    const bool holdsSlopes = HoldsSlopes(data->state.sourceKind);
    for (int i = 1; i <= data->set.count; ++i) {
        const PhasePoint p = PlotPointOf(data->set.record(i), holdsSlopes);
        io.out << FormatShortest(p[plot.bottom]) << '\t' << FormatShortest(p[plot.left]) << '\n';
    }
    return kExitOk;
}

}  // namespace

BatchCommand EmittanceCommand() {
    return {"emittance",
            "zelkor-batch emittance FILE [--kind transmit|trim|pnt] --mode horizontal|vertical|real [--scale-h S] "
            "[--scale-v S]",
            ArgSpec{{"kind", "mode", "scale-h", "scale-v"}, {}}, &RunEmittance};
}

}  // namespace zelkor::batch
