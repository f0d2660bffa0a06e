#include "generator/ui/install_generator.hpp"

#include "generator/ui/generator_window.hpp"
#include "widgets/page_host.hpp"

#include <QAction>

namespace zelkor {

Listeners InstallGenerator(const WindowServices& services) {
    PageHost& host = services.host;
    auto* window = new GeneratorWindow(services, &host.topWindow());
    QObject::connect(&host.command(MenuCommand::GenerateTrimDat), &QAction::triggered, window,
                     &GeneratorWindow::OpenGenerator);
    Listeners listeners;
    listeners.elementPick = {window};
    return listeners;
}

}  // namespace zelkor
