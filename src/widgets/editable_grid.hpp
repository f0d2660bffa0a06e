#pragma once

#include "widgets/cell_text_source.hpp"
#include "widgets/grid_rect.hpp"
#include "state/copy_target.hpp"

namespace zelkor {

// A grid the Edit menu selects in and copies from. The main window's grids and
// the analysis windows' grids register themselves with the Edit commands.
class EditableGrid {
public:
    virtual ~EditableGrid() = default;

    // The copy target that names this grid.
    virtual CopyTarget copyTarget() const = 0;
    // The grid (or, for an analysis grid, its window) is shown.
    virtual bool isShown() const = 0;
    // 1 under a title row, 0 in a grid without one.
    virtual int firstDataRow() const = 0;
    // Below firstDataRow when the grid has no data row.
    virtual int lastDataRow() const = 0;
    virtual int lastColumn() const = 0;

    virtual GridRect selection() const = 0;
    virtual void setSelection(const GridRect& rect) = 0;
    virtual const CellTextSource& cells() const = 0;
};

}  // namespace zelkor
