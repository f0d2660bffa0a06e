#pragma once

#include "app/main_window.hpp"
#include "particles/ui/data_page.hpp"
#include "support/ui/controls.hpp"
#include "support/ui/scripted_dialogs.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTableView>

#include <string>

namespace zelkor::test {

// The real main window, shown offscreen, with its dialogs scripted.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    std::filesystem::path writeFile(const std::string& name, const std::string& text) const;
    // The three load commands with the dialog answered.
    void open(const std::filesystem::path& path);
    void importTrimDat(const std::filesystem::path& path);
    void importWinAgile(const std::filesystem::path& path);
    // A TRANSMIT.TXT file of two ions, opened.
    std::filesystem::path openTransmit();
    void trigger(const char* actionName);

    template <class T>
    T& child(const char* name) {
        return Control<T>(window, name);
    }
    QTableView& grid() { return child<QTableView>("strgDataProc"); }
    DataPage& dataPage() { return child<DataPage>("DataPage"); }
    QString countText() { return child<QLabel>("labelNbOfPart").text(); }
    std::vector<std::string> messageTexts() const { return dialogs.texts(); }

    TempDir dir;
    ScriptedDialogs dialogs;
    MainWindow window{dialogs};
};

}  // namespace zelkor::test
