#pragma once

#include "app/main_window.hpp"
#include "particles/ui/data_page.hpp"
#include "widgets/user_dialogs.hpp"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QObject>
#include <QTableView>

#include <cstdio>
#include <cstdlib>
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

// A control by object name (any name when null); a missing one ends the
// benchmark with its name rather than with a crash somewhere later.
template <class T>
T& Child(const QObject& parent, const char* name = nullptr) {
    T* found = name ? parent.findChild<T*>(QString::fromUtf8(name)) : parent.findChild<T*>();
    if (!found) {
        std::fprintf(stderr, "no control %s of the expected kind\n", name ? name : "(unnamed)");
        std::abort();
    }
    return *found;
}

// The composed main window, shown offscreen; with ions > 0 it holds
// MakeBenchSet(ions) as a loaded TRANSMIT.TXT file.
struct BenchWindow {
    BenchDialogs dialogs;
    MainWindow main{dialogs};

    explicit BenchWindow(int ions = 0);
    template <class T>
    T& child(const char* name) {
        return Child<T>(main, name);
    }
    void click(const char* name) { child<QAbstractButton>(name).click(); }
    void showPage(int index);
    DataPage& dataPage() { return Child<DataPage>(main); }
    QTableView& grid() { return dataPage().grid(); }
    void finish() { QCoreApplication::processEvents(); }
};

}  // namespace zelkor::bench
