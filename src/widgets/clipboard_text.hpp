#pragma once

#include "widgets/cell_text_source.hpp"
#include "widgets/grid_rect.hpp"
#include "data/progress.hpp"

#include <string>

namespace zelkor {

// The clipboard text of a selection: every cell followed by a tab, every row
// followed by CR LF (the last one too). The progress advances by one at each
// row that is a whole multiple of bottom / 100.
std::string BuildClipboardText(const CellTextSource& cells, const GridRect& rect, Progress& progress = NoProgress());

}  // namespace zelkor
