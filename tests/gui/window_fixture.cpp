#include "window_fixture.hpp"

#include "app/compose.hpp"
#include "support/srim_text.hpp"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace zelkor::test {

std::string TransmitFileText() {
    return SrimTransmitHeader("=====  He (5000 keV) ==> Silicon (10 um)                                 =====") +
           Lines({"T    1  2 .3650895E+07   1000000E-01 -.8619E+02 -.1016E+03   .9999324  .0013460 -.0115474",
                  "B    2  2 .3658839E+07   1000000E-01  .1105E+03 -.8610E+03   .9998046  .0167895 -.0104302"});
}

std::string TrimDatFileText() {
    return TrimDatHeader("======  He (5000 keV) ==> Silicon (10 um)                                 =====") +
           Lines({"1       2   3.650895E+06  1.000000E+05 -8.6190000000E+01 -1.0160000000E+02  0.9999324000  "
                  "0.0013460000 -0.0115474000",
                  "2       2   3.658839E+06  1.000000E+05  1.1050000000E+02 -8.6100000000E+02  0.9998046000  "
                  "0.0167895000 -0.0104302000"});
}

std::string WinAgileFileText() {
    return Lines(
        {"-1.0000000000E-03\t 2.0000000000E-04\t 5.0000000000E-04\t-3.0000000000E-04\t 1.0000000000E-03\t65535   ",
         " 2.5000000000E-06\t-1.5000000000E-03\t-4.0000000000E-06\t 6.0000000000E-04\t-2.0000000000E-03\t65535   "});
}

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

std::vector<std::string> WindowTest::messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& message : dialogs.messages) texts.push_back(message.text);
    return texts;
}

}  // namespace zelkor::test
