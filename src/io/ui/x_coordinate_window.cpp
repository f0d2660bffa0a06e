#include "io/ui/x_coordinate_window.hpp"

#include "widgets/user_dialogs.hpp"
#include "io/file_commands.hpp"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zelkor {

XCoordinateWindow::XCoordinateWindow(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      continue_(new QRadioButton("Continue X co-ordinate", this)),
      set_(new QRadioButton("Set X co-ordinate to", this)),
      edit_(new QLineEdit(this)),
      timer_(new QTimer(this)) {
    setObjectName("TXCoordinate");
    setWindowTitle("X co-ordinate");
    setModal(true);
    continue_->setObjectName("radbtnContinue");
    set_->setObjectName("radbtnSet");
    edit_->setObjectName("editSet");
    auto* unit = new QLabel("[ A ]", this);
    unit->setObjectName("labelA");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("btnCancel");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(continue_, 0, 0, 1, 3);
    layout->addWidget(set_, 1, 0);
    layout->addWidget(edit_, 1, 1);
    layout->addWidget(unit, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 2, 0, 1, 3);
    edit_->setFixedWidth(110);

    timer_->setObjectName("timerXCoor");
    timer_->setInterval(100);
    timer_->setSingleShot(false);
    connect(continue_, &QRadioButton::clicked, this, &XCoordinateWindow::radbtnContinueClick);
    connect(set_, &QRadioButton::clicked, this, &XCoordinateWindow::radbtnSetClick);
    connect(ok, &QPushButton::clicked, this, &XCoordinateWindow::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &XCoordinateWindow::btnCancelClick);
    connect(timer_, &QTimer::timeout, this, &XCoordinateWindow::timerXCoorTimer);
    prepare();
}

void XCoordinateWindow::prepare() {
    setMode_ = false;
    continue_->setChecked(true);
    edit_->setEnabled(false);
    edit_->setText("0");
}

std::optional<double> XCoordinateWindow::fixedX() const {
    return setMode_ ? std::optional<double>(setValue_) : std::nullopt;
}

void XCoordinateWindow::radbtnContinueClick() {
    edit_->setEnabled(false);
    setMode_ = false;
}

void XCoordinateWindow::radbtnSetClick() {
    edit_->setEnabled(true);
    setMode_ = true;
}

void XCoordinateWindow::btnOKClick() {
    // The edit is checked in both modes, as the window always did.
    const auto checked = ValidateSetX(edit_->text().toStdString());
    if (const auto* failure = std::get_if<Message>(&checked)) {
        dialogs_.message(*failure);
        return;
    }
    setValue_ = std::get<double>(checked);
    accept();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    timer_->start();
}

void XCoordinateWindow::btnCancelClick() { reject(); }

void XCoordinateWindow::timerXCoorTimer() {
    timer_->stop();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    emit exportRequested();
}

}  // namespace zelkor
