#include "widgets/qt_user_dialogs.hpp"
#include "widgets/qt_paths.hpp"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
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

// Wide enough that a phrase such as "<= 1001" is never broken before its number.
void KeepPhrasesOnOneLine(QMessageBox& box) { box.setStyleSheet("QLabel#qt_msgbox_label { min-width: 26em; }"); }

// Qt's dialog has no such question of its own; "No" goes back to the dialog.
bool confirmCreate(QWidget& dialog, const QString& path) {
    const QString text = QFileInfo(path).fileName() + "\nThis file does not exist.\nDo you want to create it?";
    return QMessageBox::question(&dialog, dialog.windowTitle(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace

QString QtNameFilter(std::string_view filter) {
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
    return filters.join(";;");
}

void QtUserDialogs::message(const Message& message) {
    RefuseOffscreen("message box");
    QMessageBox box(IconOf(message.icon), QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    QMessageBox::Ok, parent_);
    KeepPhrasesOnOneLine(box);
    box.exec();
}

bool QtUserDialogs::confirm(const std::string& caption, const std::string& text) {
    RefuseOffscreen("message box");
    QMessageBox box(QMessageBox::Information, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    KeepPhrasesOnOneLine(box);
    return box.exec() == QMessageBox::Ok;
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
