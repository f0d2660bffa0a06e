#include "generator/ui/install_generator.hpp"

#include "generator/ui/generator_window.hpp"
#include "widgets/page_host.hpp"

#include <QAction>

namespace zelkor {

GeneratorWindow& InstallGenerator(const WindowServices& services) {
    PageHost& host = services.host;
    auto* window = new GeneratorWindow(services, &host.topWindow());
    QObject::connect(&host.action("GenTRIMDAT"), &QAction::triggered, window, &GeneratorWindow::OpenGenerator);
    return *window;
}

}  // namespace zelkor
