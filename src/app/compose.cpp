// The only place that knows every subsystem's windows.
#include "app/compose.hpp"

#include "app/main_window.hpp"
#include "particles/ui/install_data_page.hpp"
#include "generator/ui/install_generator.hpp"
#include "io/ui/file_exports.hpp"
#include "optics/ui/optics_pages.hpp"
#include "relativity/ui/install_relativity_windows.hpp"
#include "stats/ui/statistics_pages.hpp"

namespace zelkor {

void Compose(MainWindow& window) {
    const WindowServices services = window.services();
    // The data page first: its part of the reset before a load runs first.
    InstallDataPage(services);
    InstallStatisticsPages(services);
    InstallFileExports(services);
    InstallOpticsPages(services);
    InstallGenerator(services);
    InstallRelativityWindows(services);
}

}  // namespace zelkor
