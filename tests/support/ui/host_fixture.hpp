#pragma once

#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"
#include "support/ui/controls.hpp"
#include "support/ui/scripted_dialogs.hpp"
#include "support/ui/test_host.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

#include <filesystem>
#include <string>
#include <vector>

namespace zelkor::test {

// One library's windows in the stand-in host, shown offscreen, with its
// dialogs scripted. The test installs the library and lets it listen.
class HostTest : public ::testing::Test {
protected:
    HostTest();
    ~HostTest() override;

    template <class T>
    T& child(const char* name) {
        return Control<T>(host, name);
    }
    void click(const char* name) { child<QAbstractButton>(name).click(); }
    void type(const char* edit, const char* text) { child<QLineEdit>(edit).setText(text); }
    QString text(const char* edit) { return child<QLineEdit>(edit).text(); }
    void trigger(MenuCommand command) { host.command(command).trigger(); }

    std::filesystem::path writeFile(const std::string& name, const std::string& text) const;
    void open(const std::filesystem::path& path) { host.load(SourceKind::TransmitTxt, path); }
    void importTrimDat(const std::filesystem::path& path) { host.load(SourceKind::TrimDat, path); }
    void importWinAgile(const std::filesystem::path& path) { host.load(SourceKind::WinAgile, path); }
    // A TRANSMIT.TXT file of two ions (TransmitFileText), loaded.
    std::filesystem::path openTransmit();
    std::vector<std::string> messageTexts() const { return dialogs.texts(); }

    TempDir dir;
    ScriptedDialogs dialogs;
    TestHost host{dialogs};
};

}  // namespace zelkor::test
