#include "optics/plot_points.hpp"

#include "data/run_on_threads.hpp"
#include "optics/coordinate_of.hpp"

namespace zelkor {

PlotPoints ComputePlotPoints(const ParticleSet& set, SourceKind kind, PhaseCoordinate bottom, PhaseCoordinate left,
                             Progress& progress) {
    const auto count = static_cast<std::size_t>(std::max(set.count, 0));
    const bool holdsSlopes = HoldsSlopes(kind);
    PlotPoints points;
    points.keys.resize(count);
    points.values.resize(count);
    const std::vector<IndexRun> runs = SplitIntoRuns(count);
    WithCoordinate<true>(bottom, holdsSlopes, [&](auto key) {
        WithCoordinate<true>(left, holdsSlopes, [&](auto value) {
            ForEachRun(
                runs,
                [&](IndexRun run, std::size_t) {
                    for (std::size_t i = run.begin; i < run.end; ++i) {
                        const ParticleRecord& r = set.records[i + 1];
                        points.keys[i] = key(r);
                        points.values[i] = value(r);
                    }
                },
                [&progress] { progress.yield(); });
        });
    });
    if (count > 0)
        progress.advance(static_cast<int>((count - 1) / static_cast<std::size_t>(ProgressPeriod(set.count, 100)) + 1));
    return points;
}

}  // namespace zelkor
