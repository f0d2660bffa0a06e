#pragma once

#include "widgets/main_page.hpp"
#include "widgets/menu_command.hpp"

class QAction;
class QWidget;

namespace zelkor {

struct WindowLinks;

// What a subsystem's windows need of the main window, and nothing more: the
// container of a page, the action of a menu command, the clearing of every
// grid selection, and the links through which they reach the other windows.
class PageHost {
public:
    virtual ~PageHost() = default;

    // The container widget of a page; a subsystem fills it with its controls.
    virtual QWidget& page(MainPage page) = 0;
    virtual QAction& command(MenuCommand command) = 0;
    // The parent for a subsystem's own windows.
    virtual QWidget& topWindow() = 0;
    // Uklid: every grid selection to no cell and no copy target.
    virtual void Uklid() = 0;
    virtual const WindowLinks& links() const = 0;
};

}  // namespace zelkor
