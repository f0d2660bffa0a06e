#include "widgets/clipboard_text.hpp"

namespace zelkor {

std::string BuildClipboardText(const CellTextSource& cells, const GridRect& rect, Progress& progress) {
    std::string text;
    if (rect.empty()) return text;
    const int period = ProgressPeriod(rect.bottom, 100);
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int column = rect.left; column <= rect.right; ++column) {
            cells.appendCell(text, row, column);
            text.push_back('\t');
        }
        text.append("\r\n");
        // One allocation for the whole text, estimated from the first row.
        if (row == rect.top) text.reserve(text.size() * static_cast<std::size_t>(rect.bottom - rect.top + 1) * 9 / 8);
        if (row % period == 0) progress.advance(1);
        progress.yield();
    }
    return text;
}

void CellTextSource::appendRows(QByteArray& out, const GridRect& rect, Progress& progress) const {
    const std::string text = BuildClipboardText(*this, rect, progress);
    out.append(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray ClipboardBytes(const CellTextSource& cells, const GridRect& rect, Progress& progress) {
    QByteArray bytes;
    cells.appendRows(bytes, rect, progress);
    return bytes;
}

}  // namespace zelkor
