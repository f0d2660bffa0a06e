#include "runs/run_summary.hpp"

#include "data/kind_words.hpp"
#include "optics/sigma_matrix.hpp"
#include "state/load_file.hpp"
#include "stats/fwhm.hpp"
#include "stats/interval_locator.hpp"
#include "stats/ion_span.hpp"
#include "stats/page_more_statistics.hpp"
#include "stats/quantity_value.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>

namespace zelkor {
namespace {

namespace qv = quantity_value;

// Energy, Y, Z, dY/dX and dZ/dX in their first units, with the value
// functors the kernels use, so that every figure has the kernels' bits.
constexpr std::size_t kRowQuantities = 5;
using RowValues = std::array<double, kRowQuantities>;

template <bool StoredSlopes>
RowValues ValuesOf(const ParticleRecord& r) {
    using SlopeY = std::conditional_t<StoredSlopes, qv::StoredSlope<&ParticleRecord::cos_y>,
                                      qv::SlopeFromCosines<&ParticleRecord::cos_y>>;
    using SlopeZ = std::conditional_t<StoredSlopes, qv::StoredSlope<&ParticleRecord::cos_z>,
                                      qv::SlopeFromCosines<&ParticleRecord::cos_z>>;
    return {qv::KineticEnergy{EnergyDivisor(0)}(r), qv::Position<&ParticleRecord::y>{LengthDivisor(0)}(r),
            qv::Position<&ParticleRecord::z>{LengthDivisor(0)}(r), SlopeY{SlopeMultiplier(0)}(r),
            SlopeZ{SlopeMultiplier(0)}(r)};
}

// Accepted energies counted into the intervals of a planned histogram, as
// CountHistogram counts them.
class EnergyCount {
public:
    explicit EnergyCount(Histogram& h)
        : h_(h), edges_(AccumulatedEdges(h.start, h.width, h.intervalCount)), locate_(edges_, h.width) {
        h_.counts.assign(static_cast<std::size_t>(h.intervalCount), 0);
    }
    void add(const ParticleRecord& r, double energy) {
        if (r.accepted != 1) return;
        const std::ptrdiff_t k = locate_(energy);
        if (k >= 0) ++h_.counts[static_cast<std::size_t>(k)];
    }

private:
    Histogram& h_;
    std::vector<double> edges_;
    IntervalLocator locate_;
};

struct RowFigures {
    std::array<StatSummary, kRowQuantities> summary{};
    Histogram energy;  // at the default width of the energy's range, counted
};

// The five kernels of all ions for the five quantities at once, and the
// energy histogram of the FWHM: two passes where one quantity at a time takes
// eleven. Each sum is its own double, accumulated in index order, as
// SummarizeAll accumulates it.
template <bool StoredSlopes>
RowFigures SummarizeRow(std::span<const ParticleRecord> ions) {
    RowFigures f;
    auto& s = f.summary;
    RowValues sums{};
    s[0].min = s[0].max = ValuesOf<StoredSlopes>(ions[0])[0];
    for (const ParticleRecord& r : ions) {
        const RowValues v = ValuesOf<StoredSlopes>(r);
        for (std::size_t q = 0; q < kRowQuantities; ++q) sums[q] += v[q];
        if (v[0] < s[0].min) s[0].min = v[0];
        if (v[0] > s[0].max) s[0].max = v[0];
    }
    const double n = static_cast<double>(ions.size());
    for (std::size_t q = 0; q < kRowQuantities; ++q) s[q].mean = sums[q] / n;
    f.energy = *PlanFwhmHistogram(StatPage::Energy, s[0], "").value;
    EnergyCount count(f.energy);
    RowValues squares{};
    for (const ParticleRecord& r : ions) {
        const RowValues v = ValuesOf<StoredSlopes>(r);
        for (std::size_t q = 0; q < kRowQuantities; ++q) {
            const double d = v[q] - s[q].mean;
            squares[q] += d * d;
        }
        if constexpr (!StoredSlopes) count.add(r, v[0]);
    }
    for (std::size_t q = 0; q < kRowQuantities; ++q) {
        s[q].dispersion = squares[q] / n;
        s[q].sigma = std::sqrt(s[q].dispersion);
    }
    return f;
}

EnergyFigures EnergyOf(int count, const StatSummary& s, const Histogram& h) {
    EnergyFigures f;
    f.mean = s.mean;
    f.sigma = s.sigma;
    const double n = count;
    f.meanError = s.sigma / std::sqrt(n);
    if (count > 1) f.sigmaError = s.sigma / std::sqrt(2.0 * (n - 1.0));
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
    if (set.count < 1) return;
    const RowFigures f = kind == SourceKind::WinAgile ? SummarizeRow<true>(Ions(set)) : SummarizeRow<false>(Ions(set));
    if (kind != SourceKind::WinAgile) row.energy = EnergyOf(set.count, f.summary[0], f.energy);
    row.sigmaY = f.summary[1].sigma;
    row.sigmaZ = f.summary[2].sigma;
    row.sigmaDYDX = f.summary[3].sigma;
    row.sigmaDZDX = f.summary[4].sigma;
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
