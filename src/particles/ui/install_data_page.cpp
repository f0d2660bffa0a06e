#include "particles/ui/install_data_page.hpp"

#include "particles/ui/data_page.hpp"
#include "particles/ui/unit_rows_window.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/page_host.hpp"
#include "widgets/window_services.hpp"

#include <QVBoxLayout>

namespace zelkor {

InstalledDataPage InstallDataPage(const WindowServices& services) {
    QWidget& tab = services.host.page(MainPage::DataProc);
    auto* page = new DataPage(services, &tab);
    auto* layout = new QVBoxLayout(&tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    services.edit.joinPageGrid(MainPage::DataProc, page->editableGrid());

    Listeners listeners;
    listeners.reset = {page, &page->positionsWindow(), &page->anglesWindow()};
    listeners.load = {page};
    listeners.angleChoice = {&page->anglesWindow()};
    return {listeners, *page};
}

}  // namespace zelkor
