#pragma once

#include <memory>

namespace zelkor {

class IonGridTable;

// The data page's grid as another library's per-ion table sees it: its views
// out of sight while the table is made, then the table in the grid
// (lastDataColumn follows).
class DataTableView {
public:
    virtual void hideViews() = 0;
    virtual void showTable(std::shared_ptr<const IonGridTable> table) = 0;

protected:
    ~DataTableView() = default;
};

}  // namespace zelkor
