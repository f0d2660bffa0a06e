#include "batch/batch_command.hpp"
#include "batch/batch_load.hpp"
#include "optics/beam_parameters.hpp"
#include "optics/sigma_matrix.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

int RunSigmaMatrix(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    int exitCode = kExitOk;
    const auto data = LoadForBatch(args, io, usage, exitCode);
    if (!data) return exitCode;
    const SigmaMatrix m = ComputeSigmaMatrix(data->set, data->state.sourceKind);
    for (const auto& row : m.entry) {
        for (std::size_t c = 0; c < row.size(); ++c) io.out << (c > 0 ? "\t" : "") << FormatSigmaEntry(row[c]);
        io.out << '\n';
    }
    if (args.has("twiss"))
        for (Plane plane : {Plane::Y, Plane::Z})
            for (const std::string& line : BeamParameterLines(PlaneParametersOf(m, plane), plane))
                io.out << line << '\n';
    return kExitOk;
}

}  // namespace

BatchCommand SigmaMatrixCommand() {
    return {"sigma-matrix", "zelkor-batch sigma-matrix FILE [--kind transmit|trim|pnt] [--twiss]",
            ArgSpec{{"kind"}, {"twiss"}}, &RunSigmaMatrix};
}

}  // namespace zelkor::batch
