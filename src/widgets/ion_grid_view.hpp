#pragma once

class QTableView;

namespace zelkor {

// A grid with one row per ion, set up so that a million rows cost nothing to
// lay out (no fixed column, rows of one height) and only range selections of
// cells are made; hidden until its first table. Call after setting its font.
void SetUpIonGridView(QTableView& grid);

}  // namespace zelkor
