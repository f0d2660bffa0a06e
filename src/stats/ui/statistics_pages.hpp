#pragma once

namespace zelkor {

class MainWindow;

// Puts the four statistics pages into the main window's tabs, creates their
// analysis windows, and joins them to the reset before a load, the angle
// switch, the Edit menu and the Ctrl+C hand-over.
void InstallStatisticsPages(MainWindow& window);

} // namespace zelkor
