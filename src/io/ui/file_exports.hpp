#pragma once

#include "widgets/window_services.hpp"

#include <QObject>

namespace zelkor {

class XCoordinateWindow;

// File > Save > Filtered File and the two File > Export commands over the
// loaded set: the checks, the save dialog per source kind, and the writers.
class FileExports : public QObject {
    Q_OBJECT
public:
    FileExports(const WindowServices& services, QObject* parent);

    XCoordinateWindow& xCoordinateWindow() { return *xCoordinate_; }

public slots:
    void SaveFilteredFileClick();
    void WinAGILEPointFileExClick();
    void TRANSMITTXTtoTRIMDATClick();
    // timerXCoor fired: the export dialog and the write of the TRIM.DAT conversion.
    void exportTrimDatAfterXCoordinate();

private:
    WindowServices services_;
    XCoordinateWindow* xCoordinate_;
};

// Creates the commands and the X co-ordinate window, and connects the menu actions.
FileExports& InstallFileExports(const WindowServices& services);

}  // namespace zelkor
