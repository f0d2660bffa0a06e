#include "batch/batch_command.hpp"
#include "batch/batch_load.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

// The header line as the file holds it, without its line end.
std::string WithoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}

int RunInfo(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    int exitCode = kExitOk;
    const auto data = LoadForBatch(args, io, usage, exitCode);
    if (!data) return exitCode;
    const SourceKind kind = data->state.sourceKind;
    io.out << "kind: " << SourceKindName(kind) << '\n';
    io.out << "count: " << data->set.count << '\n';
    io.out << "lineCount: " << data->set.lineCount << '\n';
    if (kind == SourceKind::TransmitTxt || kind == SourceKind::TrimDat) {
        io.out << "atomZ: " << data->state.atomZ << '\n';
        io.out << "header: " << WithoutLineEnd(data->state.headerLine) << '\n';
    }
    return kExitOk;
}

}  // namespace

BatchCommand InfoCommand() {
    return {"info", "zelkor-batch info FILE [--kind transmit|trim|pnt]", ArgSpec{{"kind"}, {}}, &RunInfo};
}

}  // namespace zelkor::batch
