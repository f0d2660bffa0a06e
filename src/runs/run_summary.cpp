#include "runs/run_summary.hpp"

#include "data/kind_words.hpp"
#include "optics/sigma_matrix.hpp"
#include "state/load_file.hpp"
#include "stats/fwhm.hpp"
#include "stats/kernels.hpp"
#include "stats/page_more_statistics.hpp"

#include <algorithm>
#include <cmath>

namespace zelkor {
namespace {

QuantitySelection Selection(QuantityId quantity, SourceKind kind) { return {quantity, 0, kind, 1, 1.0}; }

EnergyFigures EnergyOf(const ParticleSet& set, SourceKind kind) {
    const QuantitySelection energy = Selection(QuantityId::KinEnerg, kind);
    const StatSummary s = SummarizeAll(set, energy);
    EnergyFigures f;
    f.mean = s.mean;
    f.sigma = s.sigma;
    const double n = set.count;
    f.meanError = s.sigma / std::sqrt(n);
    if (set.count > 1) f.sigmaError = s.sigma / std::sqrt(2.0 * (n - 1.0));
    // A fresh load accepts every ion, so the accepted-ion count is that of all ions.
    Histogram h = *PlanFwhmHistogram(StatPage::Energy, s, "").value;
    CountHistogram(set, energy, h);
    f.fwhm = FullWidthAtHalfMaximum(h);
    return f;
}

// The load's own verdict, as zelkor-batch judges it: a refusal, a file that
// could not be opened or closed, or lines that were all unreadable.
std::optional<Message> LoadFailure(const LoadReport& report, const ParticleSet& set) {
    const auto error = std::find_if(report.messages.begin(), report.messages.end(),
                                    [](const Message& m) { return m.icon == MessageIcon::Error; });
    if (error != report.messages.end()) return *error;
    const bool nothingRead = set.count == 0 && report.skippedLines > 0;
    if (report.outcome != LoadOutcome::Loaded || nothingRead)
        return report.messages.empty() ? ErrorMessage(kBadFileText) : report.messages.front();
    if (set.count == 0) return ErrorMessage(kNoIonsText);
    return std::nullopt;
}

}  // namespace

void SummarizeSet(const ParticleSet& set, SourceKind kind, RunSummary& row) {
    row.kind = kind;
    row.count = set.count;
    if (kind != SourceKind::WinAgile) row.energy = EnergyOf(set, kind);
    row.sigmaY = SigmaAll(set, Selection(QuantityId::PosY, kind));
    row.sigmaZ = SigmaAll(set, Selection(QuantityId::PosZ, kind));
    row.sigmaDYDX = SigmaAll(set, Selection(QuantityId::dYdX, kind));
    row.sigmaDZDX = SigmaAll(set, Selection(QuantityId::dZdX, kind));
    const SigmaMatrix m = ComputeSigmaMatrix(set, kind);
    row.planeY = PlaneParametersOf(m, Plane::Y);
    row.planeZ = PlaneParametersOf(m, Plane::Z);
}

RunSummary SummarizeRun(const std::filesystem::path& path, std::optional<SourceKind> kind) {
    RunSummary row;
    row.path = path.string();
    if (!kind) kind = SourceKindFromExtension(path);
    if (!kind) {
        row.failure = ErrorMessage("Cannot tell the kind of a file from its extension!");
        return row;
    }
    row.kind = *kind;
    AppState state;
    ParticleSet set;
    const LoadReport report = LoadParticleFile(*kind, path, state, set);
    row.skippedLines = report.skippedLines;
    row.count = set.count;
    row.failure = LoadFailure(report, set);
    if (row.ok()) SummarizeSet(set, *kind, row);
    return row;
}

}  // namespace zelkor
