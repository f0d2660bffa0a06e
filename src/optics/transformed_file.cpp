#include "optics/transformed_file.hpp"

#include "io/trim_dat_layout.hpp"
#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"
#include "io/srim_columns.hpp"
#include "io/write_pass.hpp"
#include "optics/transform.hpp"
#include "io/transmit_layout.hpp"

#include <string_view>

namespace zelkor {
namespace {

// Transforms each accepted record as it is written, so that a large set is
// never copied. The depth stands one blank after the energy.
template <typename Header, typename Prefix>
std::optional<Message> WriteTransformedCosines(const std::filesystem::path& path, const ParticleSet& set,
                                               const AppState& state, Progress& progress, Header header,
                                               Prefix prefix) {
    const auto writeRecord = [&](char* out, const ParticleRecord& record, int number) {
        const ParticleRecord moved = TransformCosineRecord(record, state.transferMatrix);
        out = AppendSrimColumns(prefix(out, number, state.atomZ), moved, moved.x, 1, 1);
        *out++ = '\r';
        *out++ = '\n';
        return out;
    };
    return RunWritePass(path, set, kCannotSaveText, progress, header, writeRecord);
}

// One blank before a value printed without a minus, none before a minus, a tab after.
char* AppendPointValue(char* out, double value) {
    out = AppendSignBlank(out, value);
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
    return RunWritePass(
        path, set, kCannotSaveText, progress, [](AtomicFile&) {}, writeRecord);
}

}  // namespace

std::optional<Message> SaveTransformedFile(const std::filesystem::path& path, const ParticleSet& set,
                                           const AppState& state, Progress& progress) {
    const TransferMatrix& m = state.transferMatrix;
    switch (state.sourceKind) {
        case SourceKind::None: return ErrorMessage(kNoDataText);
        case SourceKind::TransmitTxt:
            return WriteTransformedCosines(
                path, set, state, progress, [&](AtomicFile& file) { AppendTransmitHeader(file, state.headerLine); },
                AppendTransmitPrefix);
        case SourceKind::TrimDat:
            return WriteTransformedCosines(
                path, set, state, progress, [&](AtomicFile& file) { AppendTrimDatHeader(file, state.headerLine); },
                AppendTrimDatPrefix);
        case SourceKind::WinAgile: return WriteTransformedPoints(path, set, m, progress);
    }
    return std::nullopt;
}

}  // namespace zelkor
