#pragma once

#include <qcustomplot.h>

#include <filesystem>

namespace zelkor {

class UserDialogs;

// A chart users can keep and look into: the right button offers "Save as
// PNG...", "Save as PDF..." and "Show All"; a rectangle dragged with the left
// button zooms into it, a double click shows everything again.
class KeepableChart : public QCustomPlot {
    Q_OBJECT
public:
    KeepableChart(UserDialogs& dialogs, QWidget* parent);

    // The whole content in view again.
    virtual void showAll() = 0;
    // Writes the chart through a temporary file in the target's folder.
    bool savePicture(const std::filesystem::path& path, bool pdf);
    void saveAs(bool pdf);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    UserDialogs& dialogs() { return dialogs_; }
    // A chart's own commands, at the top of its context menu.
    virtual void addOwnActions(QMenu& /*menu*/) {}

private:
    void showMenu(const QPoint& position);

    UserDialogs& dialogs_;
};

}  // namespace zelkor
