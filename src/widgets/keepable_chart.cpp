#include "widgets/keepable_chart.hpp"

#include "widgets/user_dialogs.hpp"
#include "widgets/qt_paths.hpp"

#include <QMenu>

namespace zelkor {

KeepableChart::KeepableChart(UserDialogs& dialogs, QWidget* parent) : QCustomPlot(parent), dialogs_(dialogs) {
    setSelectionRectMode(QCP::srmZoom);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &KeepableChart::showMenu);
}

void KeepableChart::mousePressEvent(QMouseEvent* event) {
    // QCustomPlot starts the zoom rectangle on any button; the context menu
    // then swallows the right button's release and the rectangle stays as a dot.
    if (event->button() == Qt::LeftButton) return QCustomPlot::mousePressEvent(event);
    const QCP::SelectionRectMode mode = selectionRectMode();
    setSelectionRectMode(QCP::srmNone);
    QCustomPlot::mousePressEvent(event);
    setSelectionRectMode(mode);
}

void KeepableChart::mouseDoubleClickEvent(QMouseEvent* event) {
    QCustomPlot::mouseDoubleClickEvent(event);
    showAll();
}

void KeepableChart::showMenu(const QPoint& position) {
    QMenu menu(this);
    addOwnActions(menu);
    if (!menu.isEmpty()) menu.addSeparator();
    menu.addAction("Save as PNG...", this, [this] { saveAs(false); });
    menu.addAction("Save as PDF...", this, [this] { saveAs(true); });
    menu.addSeparator();
    menu.addAction("Show All", this, [this] { showAll(); });
    menu.exec(mapToGlobal(position));
}

void KeepableChart::saveAs(bool pdf) {
    const FileDialogSetup setup = pdf ? FileDialogSetup{"Save", "PDF Document|*.pdf", ".pdf", false, true}
                                      : FileDialogSetup{"Save", "PNG Picture|*.png", ".png", false, true};
    const auto path = dialogs_.saveFile(setup);
    if (!path) return;
    if (!savePicture(*path, pdf)) dialogs_.message(ErrorMessage(kCannotSaveText));
}

bool KeepableChart::savePicture(const std::filesystem::path& path, bool pdf) {
    std::filesystem::path temporary = path;
    temporary += ".part";
    const QString name = QStringFromPath(temporary);
    const bool written = pdf ? savePdf(name) : savePng(name);
    std::error_code error;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace zelkor
