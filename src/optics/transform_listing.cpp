#include "optics/transform_listing.hpp"

#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"
#include "optics/phase_space.hpp"

#include <ostream>

namespace zelkor {
namespace {

constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

double TransformColumnValue(const TransformRow& row, int column) {
    switch (column) {
        case 1: return row.before.y;
        case 2: return row.after.y;
        case 3: return row.before.yp;
        case 4: return row.after.yp;
        case 5: return row.before.z;
        case 6: return row.after.z;
        case 7: return row.before.zp;
        case 8: return row.after.zp;
        default: return 0.0;
    }
}

std::string TransformCell(int ion, const TransformRow& row, int column) {
    if (column == 0) return FormatInt("%d", ion);
    return FormatDouble("%.10lE", TransformColumnValue(row, column));
}

char* AppendTransformCells(char* out, int ion, const TransformRow& row, int left, int right) {
    for (int column = left; column <= right; ++column) {
        out = column == 0 ? AppendInt(out, ion) : AppendExponentFast(out, TransformColumnValue(row, column), 10);
        *out++ = '\t';
    }
    return out;
}

void WriteTransformListing(std::ostream& out, const ParticleSet& set, SourceKind kind, const TransferMatrix& matrix,
                           Progress& progress) {
    std::string text;
    for (std::size_t c = 0; c < kTransformHeaders.size(); ++c) {
        if (c > 0) text += '\t';
        text += kTransformHeaders[c];
    }
    text += '\n';
    const bool holdsSlopes = HoldsSlopes(kind);
    const int period = ProgressPeriod(set.count, 100);
    char line[9 * (kMaxNumberChars + 1) + 2];
    for (int i = 1; i <= set.count; ++i) {
        const TransformRow row = TransformOf(set.record(i), holdsSlopes, matrix);
        char* end = AppendInt(line, i);
        for (int c = 1; c <= 8; ++c) {
            *end++ = '\t';
            end = AppendExponent(end, TransformColumnValue(row, c), 10);
        }
        *end++ = '\n';
        text.append(line, end);
        // Large sets go out in blocks rather than as one huge string.
        if (text.size() >= kFlushSize) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
        if (i % period == 0) progress.advance(1);
        progress.yield();
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace zelkor
