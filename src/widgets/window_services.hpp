#pragma once

namespace zelkor {

struct AppState;
struct ParticleSet;
class BusyPanel;
class CopyShortcutHandOver;
class EditCommands;
class PageHost;
class UserDialogs;

// Everything a subsystem's windows receive: the one set and the state beside
// it, the dialogs, the busy panel, the Edit menu's grids, the Ctrl+C
// hand-over for input fields, and the host that holds their pages.
struct WindowServices {
    AppState& state;
    ParticleSet& set;
    UserDialogs& dialogs;
    BusyPanel& busy;
    EditCommands& edit;
    CopyShortcutHandOver& copyHandOver;
    PageHost& host;
};

}  // namespace zelkor
