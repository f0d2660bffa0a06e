#pragma once

namespace zelkor {

class MainWindow;

// Fills the main window's frame with every subsystem's pages and windows.
// The program, the screenshot tool, the window tests and the window benchmarks
// all build the window this way, so each sees the same composition.
void Compose(MainWindow& window);

}  // namespace zelkor
