#pragma once

#include "data/source_kind.hpp"
#include "state/copy_target.hpp"
#include "state/display_mode.hpp"
#include "state/matrix4.hpp"
#include "state/quantity_id.hpp"
#include "state/sigma_filter_state.hpp"
#include "state/stat_page.hpp"

#include <array>
#include <string>
#include <vector>

namespace zelkor {

// The values beside the particle set that several windows share.
struct AppState {
    SourceKind sourceKind = SourceKind::None;
    std::string inputPath;
    // Kept byte for byte as read (a Windows code page is never decoded), line end "\n".
    std::string headerLine;
    // The loaded file's first lines, kept at the load for Header.
    std::vector<std::string> firstLines;
    int atomZ = 1;
    bool angleControlsEnabled = true;
    CopyTarget copyTarget = CopyTarget::None;
    int lastDataColumn = 0;

    bool relativisticCalculated = false;
    int A = 1;
    int n = 1;
    double amu = 1.0;

    QuantityId energyQuantity = QuantityId::KinEnerg;
    QuantityId positionQuantity = QuantityId::PosY;
    QuantityId angleQuantity = QuantityId::AngX;
    std::array<int, kQuantityCount> unitCode{};  // code 0 for every quantity at start

    std::array<SigmaFilterState, kStatPageCount> filter{};
    std::array<DisplayMode, kStatPageCount> displayMode{};

    Matrix4 transferMatrix = IdentityMatrix4();

    int& unitOf(QuantityId q) { return unitCode[static_cast<std::size_t>(q)]; }
    int unitOf(QuantityId q) const { return unitCode[static_cast<std::size_t>(q)]; }
    SigmaFilterState& filterOf(StatPage p) { return filter[static_cast<std::size_t>(p)]; }
    const SigmaFilterState& filterOf(StatPage p) const { return filter[static_cast<std::size_t>(p)]; }
    DisplayMode& displayModeOf(StatPage p) { return displayMode[static_cast<std::size_t>(p)]; }
    DisplayMode displayModeOf(StatPage p) const { return displayMode[static_cast<std::size_t>(p)]; }
    // True while the energy page shows energy/A or energy/amu.
    bool needsMass() const { return energyQuantity != QuantityId::KinEnerg; }
};

// The part of the reset before every load that concerns these values: the
// relativistic inputs, the transfer matrix, the copy target, every page back to
// "No Filter" and "Whole Spectrum". Quantities, units and atomZ are kept.
void ResetForLoad(AppState& state);

}  // namespace zelkor
