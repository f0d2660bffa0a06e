// The only place that knows every subsystem's windows.
#include "app/compose.hpp"

#include "app/main_window.hpp"
#include "particles/ui/install_data_page.hpp"
#include "generator/ui/install_generator.hpp"
#include "io/ui/file_exports.hpp"
#include "optics/ui/optics_pages.hpp"
#include "relativity/ui/install_relativity_windows.hpp"
#include "runs/ui/install_compare_runs.hpp"
#include "stats/ui/statistics_pages.hpp"

namespace zelkor {

void Compose(MainWindow& window) {
    const WindowServices services = window.services();
    const InstalledDataPage data = InstallDataPage(services);
    const Listeners statistics = InstallStatisticsPages(services);
    InstallFileExports(services);
    const Listeners optics = InstallOpticsPages(services);
    const Listeners generator = InstallGenerator(services);
    const InstalledRelativityWindows relativity = InstallRelativityWindows(services);
    InstallCompareRuns(services);

    WindowLinks& links = window.links();
    // The one order in which the windows hear each other, whatever they hear.
    // The data page comes first: the reset before a load starts with its views
    // and its count, then the statistics pages, the optics pages and the
    // relativity windows follow, as the steps of that reset do.
    for (const Listeners* part : {&data.listeners, &statistics, &optics, &generator, &relativity.listeners})
        links.listeners.append(*part);
    links.openers = &relativity.openers;
    links.dataTable = &data.dataTable;
}

}  // namespace zelkor
