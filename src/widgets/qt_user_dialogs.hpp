#pragma once

#include "widgets/user_dialogs.hpp"

#include <QMessageBox>
#include <QString>

#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace zelkor {

// The dialogs a person sees: QMessageBox and QFileDialog. Under the offscreen
// platform nobody could answer them, so they stop the program with a clear
// message instead of waiting for ever.
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const Message& message) override;
    bool confirm(const std::string& caption, const std::string& text) override;
    std::optional<std::filesystem::path> openFile(const FileDialogSetup& setup) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogSetup& setup) override;

private:
    std::optional<std::filesystem::path> runFileDialog(const FileDialogSetup& setup, bool save);

    QWidget* parent_;
};

// A message's text as its box shows it: the blank between a comparison and
// its number ("<= 1001") becomes one at which no line is broken.
QString MessageBoxText(const std::string& text);
// The box every message and confirmation is shown in, sized by Qt to its text.
std::unique_ptr<QMessageBox> MakeMessageBox(QMessageBox::Icon icon, const std::string& caption, const std::string& text,
                                            QMessageBox::StandardButtons buttons, QWidget* parent);

// "Text File|*.txt|All|*.*" as Qt writes name filters: "Text File (*.txt);;All (*.*)".
QString QtNameFilter(std::string_view filter);

}  // namespace zelkor
