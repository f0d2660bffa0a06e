#pragma once

namespace zelkor {

struct WindowServices;
class EmittancePage;
class TransformPage;

struct OpticsPages {
    EmittancePage* emittance;
    TransformPage* transform;
};

// Puts the "Emittance" and "Transform" pages into the main window's tabs and
// joins them to the reset before a load, the Edit menu, the Ctrl+C hand-over
// and File > Save > Transformed File.
OpticsPages InstallOpticsPages(const WindowServices& services);

}  // namespace zelkor
