#pragma once

namespace zelkor {

struct AppState;
struct ParticleSet;
class BusyPanel;
class UserDialogs;

// What every page and window of the main window works with: the one set, the
// state beside it, the message and file dialogs, and the busy panel.
struct PageServices {
    AppState& state;
    ParticleSet& set;
    UserDialogs& dialogs;
    BusyPanel& busy;
};

} // namespace zelkor
