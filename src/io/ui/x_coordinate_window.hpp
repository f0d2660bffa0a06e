#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QRadioButton;
class QTimer;

namespace zelkor {

class UserDialogs;

// TXCoordinate: "X co-ordinate" of Export > TRANSMIT.TXT to TRIM.DAT: keep
// each ion's depth or place every ion at one depth in Angstrom. OK closes the
// window and starts timerXCoor; when it fires, exportRequested() asks the main
// window to run the export, which fixedX() parameterises.
class XCoordinateWindow : public QDialog {
    Q_OBJECT
public:
    XCoordinateWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

    // Before every showing: "Continue X co-ordinate", the edit disabled with "0".
    void prepare();
    // The depth every ion gets, or nothing to keep their own.
    std::optional<double> fixedX() const;

    QTimer& timer() { return *timer_; }

public slots:
    void radbtnContinueClick();
    void radbtnSetClick();
    void btnOKClick();
    void btnCancelClick();
    void timerXCoorTimer();

signals:
    void exportRequested();

private:
    UserDialogs& dialogs_;
    QRadioButton* continue_;
    QRadioButton* set_;
    QLineEdit* edit_;
    QTimer* timer_;
    bool setMode_ = false;
    double setValue_ = 0.0;
};

}  // namespace zelkor
