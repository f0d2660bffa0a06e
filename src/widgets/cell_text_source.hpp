#pragma once

#include "data/progress.hpp"
#include "widgets/grid_rect.hpp"

#include <string>

class QByteArray;

namespace zelkor {

// The text of a grid's cells, formatted when asked: the view shows it and Copy
// reads the same characters.
class CellTextSource {
public:
    virtual ~CellTextSource() = default;
    // Appends the text of the cell at a grid row and column (grid co-ordinates).
    virtual void appendCell(std::string& out, int row, int column) const = 0;
    // Appends the clipboard text of a selection (see BuildClipboardText) as
    // UTF-8. A grid of millions of rows formats them straight from its data
    // on every core; the others ask cell by cell.
    virtual void appendRows(QByteArray& out, const GridRect& rect, Progress& progress) const;
};

}  // namespace zelkor
