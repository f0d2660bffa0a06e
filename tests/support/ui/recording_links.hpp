#pragma once

#include "widgets/data_table_view.hpp"
#include "widgets/window_openers.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zelkor::test {

// The windows of a library that is not installed: what was asked is recorded,
// and a pick in the element table may be played.
struct RecordingOpeners : WindowOpeners {
    std::vector<std::string> opened;
    std::function<void()> pickInElementTable;

    void openRelativisticWindow() override { opened.push_back("relativistic"); }
    void openElementTable() override {
        opened.push_back("element table");
        if (pickInElementTable) pickInElementTable();
    }
};

// The data page's grid when the particles library is not installed.
struct RecordingDataTable : DataTableView {
    std::vector<std::string> calls;
    std::shared_ptr<const IonGridTable> shown;

    void hideViews() override { calls.push_back("hide"); }
    void showTable(std::shared_ptr<const IonGridTable> table) override {
        calls.push_back("show");
        shown = std::move(table);
    }
};

}  // namespace zelkor::test
