#include "runs/ui/install_compare_runs.hpp"

#include "runs/ui/compare_runs_window.hpp"
#include "widgets/page_host.hpp"

#include <QAction>

namespace zelkor {

CompareRunsWindow& InstallCompareRuns(const WindowServices& services) {
    auto* window = new CompareRunsWindow(services.dialogs, &services.host.topWindow());
    QObject::connect(&services.host.command(MenuCommand::CompareRuns), &QAction::triggered, window,
                     &CompareRunsWindow::open);
    return *window;
}

}  // namespace zelkor
