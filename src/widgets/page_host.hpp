#pragma once

#include "widgets/main_page.hpp"

class QAction;
class QWidget;

namespace zelkor {

struct WindowHooks;

// What a subsystem's windows need of the main window, and nothing more: the
// container of a page, a menu action by its object name, the clearing of every
// grid selection, and the hooks through which they join its commands.
class PageHost {
public:
    virtual ~PageHost() = default;

    // The container widget of a page; a subsystem fills it with its controls.
    virtual QWidget& page(MainPage page) = 0;
    // A menu action by object name ("SaveTransformedFile", "GenTRIMDAT"...); throws if unknown.
    virtual QAction& action(const char* objectName) = 0;
    // The parent for a subsystem's own windows.
    virtual QWidget& topWindow() = 0;
    // Uklid: every grid selection to no cell and copyTarget to 0.
    virtual void Uklid() = 0;
    virtual WindowHooks& hooks() = 0;
};

}  // namespace zelkor
