// The window tests run under the offscreen platform, whoever starts them.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>

// Qt keeps some allocations until the process ends; they are not this program's leaks.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform says so each time a window asks for what it cannot do.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith("This plugin does not support")) return;
    if (standardHandler)
        standardHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(QuietOffscreenNotes);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
