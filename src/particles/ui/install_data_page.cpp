#include "particles/ui/install_data_page.hpp"

#include "data/particle_set.hpp"
#include "particles/ui/data_page.hpp"
#include "particles/ui/unit_rows_window.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/page_host.hpp"
#include "widgets/table_view_grid.hpp"
#include "widgets/window_hooks.hpp"
#include "widgets/window_services.hpp"

#include <QVBoxLayout>

namespace zelkor {

void InstallDataPage(const WindowServices& services) {
    QWidget& tab = services.host.page(MainPage::DataProc);
    auto* page = new DataPage(services, &tab);
    auto* layout = new QVBoxLayout(&tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);

    TableViewGrid& grid = page->editableGrid();
    services.edit.joinPageGrid(static_cast<int>(MainPage::DataProc), grid);

    WindowHooks& hooks = services.host.hooks();
    hooks.reset.push_back([page] {
        page->hideViews();
        page->forgetSet();
        page->clearParticleCount();
    });
    hooks.loaded.push_back([page, &set = services.set](SourceKind) { page->showParticleCount(set.count); });
    hooks.hideDataViews = [page] { page->hideViews(); };
    hooks.showDataTable = [page](std::shared_ptr<const IonGridTable> table) { page->showTable(std::move(table)); };

    QWidget& top = services.host.topWindow();
    auto* positions = new UnitRowsWindow(services, *page, PositionsWindowDescription(), &top);
    auto* angles = new UnitRowsWindow(services, *page, AnglesWindowDescription(), &top);
    hooks.openPositionsWindow = [positions] { positions->exec(); };
    hooks.openAnglesWindow = [angles] { angles->exec(); };
    hooks.angleChoices.push_back([angles](bool enabled) { angles->switchAngleRows(enabled); });
    hooks.reset.push_back([positions, angles] {
        positions->reject();
        angles->reject();
    });
}

}  // namespace zelkor
