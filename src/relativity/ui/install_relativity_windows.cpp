#include "relativity/ui/install_relativity_windows.hpp"

#include "relativity/ui/element_table_window.hpp"
#include "relativity/ui/relativistic_window.hpp"
#include "widgets/page_host.hpp"
#include "widgets/window_services.hpp"

namespace zelkor {

InstalledRelativityWindows InstallRelativityWindows(const WindowServices& services) {
    QWidget& top = services.host.topWindow();
    auto* elements = new ElementTableWindow(services.host, &top);
    auto* relativistic = new RelativisticWindow(services, *elements, &top);

    Listeners listeners;
    listeners.reset = {elements, relativistic};
    listeners.elementPick = {relativistic};
    return {listeners, *relativistic};
}

}  // namespace zelkor
