#pragma once

#include "app/main_window.hpp"
#include "particles/ui/data_page.hpp"
#include "widgets/user_dialogs.hpp"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTableView>

#include <filesystem>
#include <optional>
#include <string>

namespace zelkor::bench {

// Prints every message, says yes to every question; the file dialogs answer
// with the paths set here.
class BenchDialogs : public UserDialogs {
public:
    void message(const Message& message) override;
    bool confirm(const std::string&, const std::string&) override { return true; }
    std::optional<std::filesystem::path> openFile(const FileDialogSetup&) override { return openAnswer; }
    std::optional<std::filesystem::path> saveFile(const FileDialogSetup&) override { return saveAnswer; }

    std::optional<std::filesystem::path> openAnswer;
    std::optional<std::filesystem::path> saveAnswer;
};

// The composed main window, shown offscreen; with ions > 0 it holds
// MakeBenchSet(ions) as a loaded TRANSMIT.TXT file.
struct BenchWindow {
    BenchDialogs dialogs;
    MainWindow main{dialogs};

    explicit BenchWindow(int ions = 0);
    template <class T>
    T& child(const char* name) {
        return *main.findChild<T*>(name);
    }
    void click(const char* name) { child<QAbstractButton>(name).click(); }
    void showPage(int index);
    DataPage& dataPage() { return *main.findChild<DataPage*>(); }
    QTableView& grid() { return dataPage().grid(); }
    void finish() { QCoreApplication::processEvents(); }
};

}  // namespace zelkor::bench
