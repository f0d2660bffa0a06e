#include "optics/ui/optics_pages.hpp"

#include "optics/ui/emittance_page.hpp"
#include "optics/ui/transform_page.hpp"
#include "widgets/copy_shortcut_hand_over.hpp"
#include "widgets/edit_commands.hpp"
#include "widgets/page_host.hpp"
#include "widgets/table_view_grid.hpp"
#include "widgets/window_services.hpp"

#include <QAction>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zelkor {
namespace {

template <class Page>
Page* Fill(QWidget& tab, Page* page) {
    auto* layout = new QVBoxLayout(&tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    return page;
}

}  // namespace

Listeners InstallOpticsPages(const WindowServices& services) {
    PageHost& host = services.host;
    QWidget& emittanceTab = host.page(MainPage::Emitt);
    auto* emittance = Fill(emittanceTab, new EmittancePage(services, &emittanceTab));
    QWidget& transformTab = host.page(MainPage::Trans);
    auto* transform = Fill(transformTab, new TransformPage(services, &transformTab));

    services.edit.joinPageGrid(MainPage::Trans, transform->editableGrid());
    for (QWidget* field : emittance->inputFields()) services.copyHandOver.join(*field);
    for (QLineEdit* field : transform->matrixEdits()) services.copyHandOver.join(*field);
    QObject::connect(&host.command(MenuCommand::SaveTransformedFile), &QAction::triggered, transform,
                     &TransformPage::SaveTransformedFileClick);

    Listeners listeners;
    listeners.reset = {emittance, transform};
    return listeners;
}

}  // namespace zelkor
