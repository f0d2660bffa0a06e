#include "widgets/qt_user_dialogs.hpp"
#include "widgets/qt_paths.hpp"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

namespace zelkor {
namespace {

void RefuseOffscreen(const char* what) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        qFatal(
            "ZELKOR: a real %s was asked for under the offscreen platform, where nobody can answer it; "
            "install scripted UserDialogs",
            what);
}

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error: return QMessageBox::Critical;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// Qt's dialog has no such question of its own; "No" goes back to the dialog.
bool confirmCreate(QWidget& dialog, const QString& path) {
    const QString text = QFileInfo(path).fileName() + "\nThis file does not exist.\nDo you want to create it?";
    return MakeMessageBox(QMessageBox::Question, dialog.windowTitle().toStdString(), text.toStdString(),
                          QMessageBox::Yes | QMessageBox::No, &dialog)
               ->exec() == QMessageBox::Yes;
}

}  // namespace

QString MessageBoxText(const std::string& text) {
    // A comparison and its number, "<= 1001" or "> 0", never part at a line break.
    static const QRegularExpression comparison(QStringLiteral("([<>]=?) (?=[-+.0-9])"));
    QString shown = QString::fromStdString(text).replace(comparison, QStringLiteral("\\1\u00A0"));
    // A word longer than a box is wide (a file name, a count of 300 digits)
    // may break after every kWordPiece characters; the break is invisible.
    constexpr qsizetype kWordPiece = 40;
    QString broken;
    qsizetype run = 0;
    for (const QChar c : shown) {
        run = c.isSpace() && c != QChar(0x00A0) ? 0 : run + 1;
        if (run > kWordPiece) {
            broken += QChar(0x200B);
            run = 1;
        }
        broken += c;
    }
    return broken;
}

namespace {

// Qt fits the box to its text; a short text would leave too little room for
// the caption, which the window manager then cuts ("Number...ntervals").
// An empty item as wide as the caption and the title bar's buttons keeps the
// box at least that wide, and Qt's own sizing does the rest.
void MakeRoomForTheCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    constexpr int kTitleBarButtons = 140;
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QMessageBox::Icon icon, const std::string& caption, const std::string& text,
                                            QMessageBox::StandardButtons buttons, QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(icon, QString::fromStdString(caption), MessageBoxText(text), buttons, parent);
    // Qt sizes the box to its text and wraps long lines; a "<" in a message
    // must not be read as a tag.
    box->setTextFormat(Qt::PlainText);
    MakeRoomForTheCaption(*box);
    return box;
}

QString QtNameFilter(std::string_view filter) {
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
    return filters.join(";;");
}

void QtUserDialogs::message(const Message& message) {
    RefuseOffscreen("message box");
    MakeMessageBox(IconOf(message.icon), message.caption, message.text, QMessageBox::Ok, parent_)->exec();
}

bool QtUserDialogs::confirm(const std::string& caption, const std::string& text) {
    RefuseOffscreen("message box");
    return MakeMessageBox(QMessageBox::Information, caption, text, QMessageBox::Ok | QMessageBox::Cancel, parent_)
               ->exec() == QMessageBox::Ok;
}

std::optional<std::filesystem::path> QtUserDialogs::openFile(const FileDialogSetup& setup) {
    return runFileDialog(setup, false);
}

std::optional<std::filesystem::path> QtUserDialogs::saveFile(const FileDialogSetup& setup) {
    return runFileDialog(setup, true);
}

std::optional<std::filesystem::path> QtUserDialogs::runFileDialog(const FileDialogSetup& setup, bool save) {
    RefuseOffscreen("file dialog");
    QFileDialog dialog(parent_, QString::fromStdString(setup.title));
    dialog.setNameFilter(QtNameFilter(setup.filter));
    QString suffix = QString::fromStdString(setup.defaultExtension);
    if (suffix.startsWith('.')) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(setup.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !setup.promptOverwrite);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QString chosen = dialog.selectedFiles().front();
        if (!setup.promptCreate || QFileInfo::exists(chosen) || confirmCreate(dialog, chosen))
            return PathFromQString(chosen);
    }
}

}  // namespace zelkor
