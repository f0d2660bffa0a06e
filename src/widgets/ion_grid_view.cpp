#include "widgets/ion_grid_view.hpp"

#include <QHeaderView>
#include <QTableView>

namespace zelkor {

void SetUpIonGridView(QTableView& grid) {
    grid.setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid.setSelectionBehavior(QAbstractItemView::SelectItems);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setWordWrap(false);
    grid.setCornerButtonEnabled(false);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + 6);
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid.horizontalHeader()->setHighlightSections(false);
    grid.hide();
}

}  // namespace zelkor
