#pragma once

#include <QDialog>

namespace zelkor {

// TAboutBox: Help > About, shown without blocking the main window.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace zelkor
