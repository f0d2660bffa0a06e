#include "optics/emittance_axes.hpp"

#include "data/user_number.hpp"

#include <optional>

namespace zelkor {
namespace {

// An empty scale asks for the automatic range; nullopt marks a refused text.
std::optional<AxisRange> ScaleRange(const std::string& text, const ParticleSet& set, SourceKind kind,
                                    PhaseCoordinate coordinate) {
    if (text.empty()) {
        const Extent extent = CoordinateExtent(set, kind, coordinate);
        return AutoAxisRange(extent.lo, extent.hi);
    }
    const auto scale = ParseUserReal(text);
    if (!scale || *scale <= 0.0) return std::nullopt;
    return AxisRange{-*scale, *scale};
}

Message ScaleError(const char* name) {
    return ErrorMessage(std::string("Value  ") + name + " must be real number > 0");
}

}  // namespace

EmittancePlot PlotOf(EmittanceMode mode) {
    switch (mode) {
        case EmittanceMode::Vertical:
            return {PhaseCoordinate::Z, PhaseCoordinate::Zp, "Z [mm]", "dZ/dX [mrad]", "Scale Z", "Scale dZ/dX"};
        case EmittanceMode::RealSpace:
            return {PhaseCoordinate::Y, PhaseCoordinate::Z, "Y [mm]", "Z [mm]", "Scale Y", "Scale Z"};
        case EmittanceMode::Horizontal:
        case EmittanceMode::SigmaMatrix: break;
    }
    return {PhaseCoordinate::Y, PhaseCoordinate::Yp, "Y [mm]", "dY/dX [mrad]", "Scale Y", "Scale dY/dX"};
}

std::variant<EmittanceAxes, Message> PlanEmittanceAxes(EmittanceMode mode, const std::string& bottomScale,
                                                       const std::string& leftScale, const ParticleSet& set,
                                                       SourceKind kind) {
    if (kind == SourceKind::None) return ErrorMessage(kNoDataText);
    const EmittancePlot plot = PlotOf(mode);
    // Both texts are checked before any range is computed.
    if (!bottomScale.empty() && !ScaleRange(bottomScale, set, kind, plot.bottom))
        return ScaleError(plot.bottomScaleName);
    if (!leftScale.empty() && !ScaleRange(leftScale, set, kind, plot.left)) return ScaleError(plot.leftScaleName);
    return EmittanceAxes{*ScaleRange(bottomScale, set, kind, plot.bottom),
                         *ScaleRange(leftScale, set, kind, plot.left)};
}

}  // namespace zelkor
