#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/source_kind.hpp"
#include "optics/axis_range.hpp"
#include "optics/phase_space.hpp"

#include <string>
#include <variant>

namespace zelkor {

enum class EmittanceMode { Horizontal, Vertical, RealSpace, SigmaMatrix };

// What a plot mode draws: the coordinate on each axis and the axis titles.
struct EmittancePlot {
    PhaseCoordinate bottom;
    PhaseCoordinate left;
    const char* bottomTitle;
    const char* leftTitle;
    const char* bottomScaleName;  // as the scale's message names it
    const char* leftScaleName;
};

// The plot of a plot mode (not of SigmaMatrix).
EmittancePlot PlotOf(EmittanceMode mode);

struct EmittanceAxes {
    AxisRange bottom;
    AxisRange left;
};

// The checks and axis set-up of "Display" in a plot mode: no data, then the
// horizontal axis's scale text, then the vertical one's (empty = automatic
// range, else a real number > 0 giving -s .. s). Ranges as AutoAxisRange
// gives them; DrawableRange makes them fit for a chart.
std::variant<EmittanceAxes, Message> PlanEmittanceAxes(EmittanceMode mode, const std::string& bottomScale,
                                                       const std::string& leftScale, const ParticleSet& set,
                                                       SourceKind kind);

}  // namespace zelkor
