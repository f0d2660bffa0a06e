#include "optics/transformed_file.hpp"

#include "io/decimal_fast_path.hpp"
#include "io/write_pass.hpp"
#include "io/write_transmit_txt.hpp"
#include "io/write_trim_dat.hpp"
#include "optics/transform.hpp"

#include <string_view>

namespace zelkor {
namespace {

// The set with the transform applied to its accepted records; the others
// are not written and are left as they are.
ParticleSet TransformedCosines(const ParticleSet& set, const TransferMatrix& matrix) {
    ParticleSet out = set;
    for (int i = 1; i <= out.count; ++i) {
        ParticleRecord& r = out.record(i);
        if (r.accepted == 1) r = TransformCosineRecord(r, matrix);
    }
    return out;
}

// One blank before a value >= 0, none before a negative one, a tab after.
char* AppendPointValue(char* out, double value) {
    if (value >= 0.0) *out++ = ' ';
    out = AppendExponentFast(out, value, 10);
    *out++ = '\t';
    return out;
}

std::optional<Message> WriteTransformedPoints(const std::filesystem::path& path, const ParticleSet& set,
                                              const TransferMatrix& matrix, Progress& progress) {
    const auto writeRecord = [&](char* out, const ParticleRecord& record, int /*number*/) {
        const TransversePoint p = TransformOf(record, true, matrix).after;
        for (double v : {p.y, p.yp, p.z, p.zp, record.momentum}) out = AppendPointValue(out, v);
        out = AppendInt(out, 65535);
        for (char c : std::string_view("   \r\n")) *out++ = c;
        return out;
    };
    return RunWritePass(path, set, kCannotSaveText, progress, [](AtomicFile&) {}, writeRecord);
}

} // namespace

std::optional<Message> SaveTransformedFile(const std::filesystem::path& path, const ParticleSet& set,
                                           const AppState& state, Progress& progress) {
    const TransferMatrix& m = state.transferMatrix;
    switch (state.sourceKind) {
    case SourceKind::None: return ErrorMessage(kNoDataText);
    case SourceKind::TransmitTxt:
        return WriteTransmitTxt(path, TransformedCosines(set, m), state.headerLine, state.atomZ, 1, 1, kCannotSaveText,
                                progress);
    case SourceKind::TrimDat:
        return WriteTrimDat(path, TransformedCosines(set, m), state.headerLine, state.atomZ, 1, 1, std::nullopt,
                            kCannotSaveText, progress);
    case SourceKind::WinAgile: return WriteTransformedPoints(path, set, m, progress);
    }
    return std::nullopt;
}

} // namespace zelkor
