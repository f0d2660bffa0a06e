#pragma once

#include "state/stat_page.hpp"

#include <array>

namespace zelkor {

struct WindowServices;
class StatPageWidget;

// The four pages in the order of StatPage.
using StatisticsPages = std::array<StatPageWidget*, kStatPageCount>;

// Puts the four statistics pages into the main window's tabs, creates their
// analysis windows, and joins them to the reset before a load, the angle
// switch, the Edit menu and the Ctrl+C hand-over.
StatisticsPages InstallStatisticsPages(const WindowServices& services);

}  // namespace zelkor
