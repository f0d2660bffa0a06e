#pragma once

#include "widgets/cell_text_source.hpp"
#include "widgets/grid_rect.hpp"
#include "data/progress.hpp"
#include "io/ordered_blocks.hpp"

#include <QByteArray>

#include <algorithm>
#include <string>

namespace zelkor {

// The clipboard text of a selection: every cell followed by a tab, every row
// followed by CR LF (the last one too). The progress advances by one at each
// row that is a whole multiple of bottom / 100.
std::string BuildClipboardText(const CellTextSource& cells, const GridRect& rect, Progress& progress = NoProgress());

// The same text as UTF-8 bytes, which the clipboard takes without a copy.
QByteArray ClipboardBytes(const CellTextSource& cells, const GridRect& rect, Progress& progress = NoProgress());

// BuildClipboardText's text of rect for a grid whose rows are formatted
// straight from its data: formatRow(char* out, int row) writes the row's
// cells, each followed by a tab, then CR LF, at most maxRowChars characters,
// and returns the end; it runs on several threads at once. The rows are
// formatted in blocks on every core and appended in order; the progress
// yields after each row formatted on the calling thread.
template <class FormatRow>
void AppendRowsInBlocks(QByteArray& out, const GridRect& rect, std::size_t maxRowChars, FormatRow&& formatRow,
                        Progress& progress) {
    if (rect.empty()) return;
    const auto rows = static_cast<std::size_t>(rect.bottom - rect.top + 1);
    const std::size_t blockRows = CurrentPassThreads().minimumItems;
    const int period = ProgressPeriod(rect.bottom, 100);
    int visited = rect.top - 1;
    FormatBlocksInOrder(
        (rows + blockRows - 1) / blockRows,
        [&](std::size_t block, BlockBuffer& buffer, bool here) {
            const auto first = static_cast<std::size_t>(rect.top) + block * blockRows;
            const std::size_t end = std::min(first + blockRows, static_cast<std::size_t>(rect.bottom) + 1);
            for (std::size_t row = first; row < end; ++row) {
                buffer.commitTo(formatRow(buffer.room(maxRowChars), static_cast<int>(row)));
                if (here) progress.yield();
            }
        },
        [&](std::string_view text) {
            // One allocation for the whole text, estimated from the first block.
            if (out.isEmpty())
                out.reserve(static_cast<qsizetype>(text.size() * (rows * 9 / 8 + 1) / std::min(rows, blockRows)));
            out.append(text.data(), static_cast<qsizetype>(text.size()));
        },
        [&](std::size_t end) {
            const int last = static_cast<int>(std::min(static_cast<std::size_t>(rect.top) + end * blockRows,
                                                       static_cast<std::size_t>(rect.bottom) + 1)) -
                             1;
            progress.advance(StepsBetween(visited, last, period));
            visited = last;
        },
        progress);
}

}  // namespace zelkor
