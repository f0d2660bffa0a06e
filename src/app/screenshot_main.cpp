// zelkor-screenshot FILE FOLDER: the program's windows as a person sees them,
// saved as pictures. File > Open is answered with FILE; nothing else is faked.
#include "app/about_box.hpp"
#include "app/data_page.hpp"
#include "app/main_window.hpp"
#include "app/splash.hpp"
#include "app/user_dialogs.hpp"
#include "app/x_coordinate_window.hpp"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

class AnswerWithFile : public zelkor::UserDialogs {
public:
    explicit AnswerWithFile(std::filesystem::path file) : file_(std::move(file)) {}
    void message(const zelkor::Message& message) override {
        std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
    }
    bool confirm(const std::string&, const std::string&) override { return true; }
    std::optional<std::filesystem::path> openFile(const zelkor::FileDialogSetup&) override { return file_; }
    std::optional<std::filesystem::path> saveFile(const zelkor::FileDialogSetup&) override { return std::nullopt; }

private:
    std::filesystem::path file_;
};

// What the display shows of a window, its frame included when there is one.
void Save(QWidget& window, const QString& path) {
    QTest::qWait(300);
    const QRect frame = window.frameGeometry();
    QPixmap picture = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (!picture.save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zelkor-screenshot FILE FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]) + "/";
    AnswerWithFile dialogs(argv[1]);

    zelkor::SplashWindow splash;
    splash.show();
    Save(splash, folder + "splash.png");
    splash.hide();

    zelkor::MainWindow window(dialogs);
    window.centreOnScreen();
    window.show();
    window.FileOpen();
    Save(window, folder + "data-available.png");
    window.dataPage().btnPreviewClick();
    Save(window, folder + "preview.png");
    window.dataPage().btnHeaderClick();
    Save(window, folder + "header.png");
    window.dataPage().btnCoorSysClick();
    Save(window, folder + "coordinate-system.png");

    window.HelpAboutItemClick();
    Save(window.aboutBox(), folder + "about.png");
    window.aboutBox().close();

    zelkor::XCoordinateWindow& x = window.xCoordinateWindow();
    x.prepare();
    x.show();
    Save(x, folder + "x-coordinate.png");
    return 0;
}
