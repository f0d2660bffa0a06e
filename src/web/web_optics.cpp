#include "bindings/binding_error.hpp"
#include "bindings/optics_calls.hpp"
#include "optics/emittance_axes.hpp"
#include "optics/sigma_matrix.hpp"
#include "optics/transform.hpp"
#include "optics/transform_listing.hpp"
#include "web/web_core.hpp"
#include "web/web_values.hpp"

#include <emscripten/val.h>

#include <algorithm>
#include <vector>

namespace zelkor::web {
namespace {

using emscripten::val;

std::optional<EmittanceMode> ModeNamed(const std::string& name) {
    if (name == "horizontal") return EmittanceMode::Horizontal;
    if (name == "vertical") return EmittanceMode::Vertical;
    if (name == "real") return EmittanceMode::RealSpace;
    return std::nullopt;
}

val RangeObject(AxisRange range) {
    const AxisRange drawn = DrawableRange(range);
    val object = val::object();
    object.set("min", drawn.min);
    object.set("max", drawn.max);
    return object;
}

// Every ion's point, as float pairs: a chart needs no more precision, and a
// million ions then cross to the page in 8 MB.
val PointArray(const ParticleSet& set, SourceKind kind, const EmittancePlot& plot) {
    std::vector<float> xy(static_cast<std::size_t>(set.count) * 2);
    const bool holdsSlopes = HoldsSlopes(kind);
    for (int i = 1; i <= set.count; ++i) {
        const PhasePoint p = PlotPointOf(set.record(i), holdsSlopes);
        xy[static_cast<std::size_t>(i - 1) * 2] = static_cast<float>(p[plot.bottom]);
        xy[static_cast<std::size_t>(i - 1) * 2 + 1] = static_cast<float>(p[plot.left]);
    }
    return val::global("Float32Array").new_(emscripten::typed_memory_view(xy.size(), xy.data()));
}

}  // namespace

val WebCore::emittance(const std::string& mode, const std::string& scaleH, const std::string& scaleV) const {
    return Answer([&] {
        const auto plotMode = ModeNamed(mode);
        if (!plotMode) throw bindings::BadArgument("mode must be horizontal, vertical or real");
        const auto planned = PlanEmittanceAxes(*plotMode, scaleH, scaleV, session_.set, session_.state.sourceKind);
        if (const auto* refusal = std::get_if<Message>(&planned)) bindings::Refuse(*refusal);
        const EmittanceAxes& axes = std::get<EmittanceAxes>(planned);
        const EmittancePlot plot = PlotOf(*plotMode);
        val answer = val::object();
        answer.set("bottomTitle", std::string(plot.bottomTitle));
        answer.set("leftTitle", std::string(plot.leftTitle));
        answer.set("bottom", RangeObject(axes.bottom));
        answer.set("left", RangeObject(axes.left));
        answer.set("points", PointArray(session_.set, session_.state.sourceKind, plot));
        return answer;
    });
}

val WebCore::sigmaMatrix() const {
    return Answer([&] {
        if (session_.state.sourceKind == SourceKind::None) bindings::Refuse(ErrorMessage(kNoDataText));
        const SigmaMatrix m = ComputeSigmaMatrix(session_.set, session_.state.sourceKind);
        val rows = val::array();
        for (const auto& row : m.entry) {
            std::vector<std::string> cells;
            for (const double entry : row) cells.push_back(FormatSigmaEntry(entry));
            rows.call<void>("push", TextArray(cells));
        }
        std::vector<std::string> lines;
        const auto planes = bindings::BeamParametersOf(m);
        for (const Plane plane : {Plane::Y, Plane::Z})
            for (const std::string& line : BeamParameterLines(planes[plane == Plane::Y ? 0 : 1], plane))
                lines.push_back(line);
        val answer = val::object();
        answer.set("rows", rows);
        answer.set("lines", TextArray(lines));
        return answer;
    });
}

val WebCore::setMatrix(val texts) {
    return Answer([&] {
        if (session_.state.sourceKind == SourceKind::None) bindings::Refuse(ErrorMessage(kNoDataText));
        std::array<std::string, 16> fields;
        for (std::size_t k = 0; k < fields.size(); ++k) fields[k] = texts[k].as<std::string>();
        session_.state.transferMatrix = bindings::CheckedMatrix(fields);
        return TextArray(kTransformHeaders);
    });
}

namespace {

val TransformCells(const bindings::Session& session, int first, int count) {
    const int last = std::min(first + count - 1, session.set.count);
    const bool holdsSlopes = HoldsSlopes(session.state.sourceKind);
    val rows = val::array();
    for (int ion = std::max(first, 1); ion <= last; ++ion) {
        const TransformRow row = TransformOf(session.set.record(ion), holdsSlopes, session.state.transferMatrix);
        std::vector<std::string> cells;
        for (int c = 0; c < static_cast<int>(kTransformHeaders.size()); ++c)
            cells.push_back(TransformCell(ion, row, c));
        rows.call<void>("push", TextArray(cells));
    }
    return rows;
}

}  // namespace

val WebCore::transformRows(int first, int count) const {
    return Answer([&] { return TransformCells(session_, first, count); });
}

}  // namespace zelkor::web
