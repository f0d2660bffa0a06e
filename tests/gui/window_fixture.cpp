#include "window_fixture.hpp"

#include "app/compose.hpp"
#include "support/srim_text.hpp"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace zelkor::test {

WindowTest::WindowTest() {
    Compose(window);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

WindowTest::~WindowTest() { QApplication::clipboard()->clear(); }

std::filesystem::path WindowTest::writeFile(const std::string& name, const std::string& text) const {
    return dir.write(name, text);
}

void WindowTest::open(const std::filesystem::path& path) {
    dialogs.answer(path);
    window.FileOpen();
}

void WindowTest::importTrimDat(const std::filesystem::path& path) {
    dialogs.answer(path);
    window.ImpTRIMDATClick();
}

void WindowTest::importWinAgile(const std::filesystem::path& path) {
    dialogs.answer(path);
    window.WinAGILEPointFileImClick();
}

std::filesystem::path WindowTest::openTransmit() {
    const auto path = writeFile("TRANSMIT.TXT", TransmitFileText());
    open(path);
    return path;
}

void WindowTest::trigger(const char* actionName) { child<QAction>(actionName).trigger(); }

}  // namespace zelkor::test
