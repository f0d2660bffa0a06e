#include "relativity/ui/install_relativity_windows.hpp"

#include "relativity/ui/element_table_window.hpp"
#include "relativity/ui/relativistic_window.hpp"
#include "widgets/page_host.hpp"
#include "widgets/window_hooks.hpp"
#include "widgets/window_services.hpp"

namespace zelkor {

void InstallRelativityWindows(const WindowServices& services) {
    QWidget& top = services.host.topWindow();
    WindowHooks& hooks = services.host.hooks();
    auto* relativistic = new RelativisticWindow(services, &top);
    auto* elements = new ElementTableWindow(hooks, &top);

    hooks.openRelativisticWindow = [relativistic] { relativistic->exec(); };
    hooks.openElementTable = [elements] { elements->exec(); };
    hooks.elementPicked.push_back([relativistic](const ElementEntry& entry) {
        if (relativistic->isVisible()) relativistic->fillElement(entry);
    });
    hooks.reset.push_back([relativistic, elements] {
        elements->reject();
        relativistic->resetForLoad();
    });
}

}  // namespace zelkor
