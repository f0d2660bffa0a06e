#include "batch/batch_command.hpp"
#include "batch/batch_load.hpp"
#include "optics/transfer_matrix.hpp"
#include "optics/transform_listing.hpp"
#include "optics/transformed_file.hpp"
#include "data/platform/utf8_path.hpp"

#include <sstream>

namespace zelkor::batch {
namespace {

int RunTransform(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    // Words missing at the end of --matrix count as empty fields, as does a
    // --matrix left out; more than sixteen cannot be fields at all.
    std::array<std::string, 16> texts;
    std::istringstream words(args.option("matrix").value_or(""));
    std::string word;
    for (std::size_t k = 0; words >> word; ++k) {
        if (k >= texts.size()) return UsageError(io, "--matrix holds more than sixteen elements", usage);
        texts[k] = word;
    }
    int exitCode = kExitOk;
    auto data = LoadForBatch(args, io, usage, exitCode);
    if (!data) return exitCode;
    if (const auto refused = ReadTransferMatrix(texts, data->state.transferMatrix)) {
        PrintMessage(io, *refused);
        return kExitStopped;
    }
    const auto out = args.option("-o");
    if (!out) {
        WriteTransformListing(io.out, data->set, data->state.sourceKind, data->state.transferMatrix);
        return kExitOk;
    }
    if (const auto failure = SaveTransformedFile(platform::PathFromUtf8(*out), data->set, data->state)) {
        PrintMessage(io, *failure);
        return kExitStopped;
    }
    return kExitOk;
}

}  // namespace

BatchCommand TransformCommand() {
    return {"transform",
            "zelkor-batch transform FILE [--kind transmit|trim|pnt] --matrix \"hh11 hh12 hv11 hv12 hh21 hh22 hv21 hv22 "
            "vh11 vh12 vv11 vv12 vh21 vh22 vv21 vv22\" [-o OUT]",
            ArgSpec{{"kind", "matrix", "-o"}, {}}, &RunTransform};
}

}  // namespace zelkor::batch
