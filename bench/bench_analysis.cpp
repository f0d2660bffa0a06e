// The figures beside the statistics on 1,000,000 ions, and the Gaussian fit
// of a 1001-interval histogram.
//
// BM_TodaysStatistics is "Basic Analysis" (the five kernels); BM_MoreStatistics
// is what the "More statistics" add to it: their goal is 30 ms at most.
// BM_FitGaussian1001's goal is 20 ms.

#include "bench_data.hpp"

#include "runs/run_summary.hpp"
#include "stats/display_range.hpp"
#include "stats/fit/fit_gaussian.hpp"
#include "stats/histogram.hpp"
#include "stats/kernels.hpp"
#include "stats/more_statistics.hpp"
#include "stats/page_more_statistics.hpp"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace zelkor;

constexpr int kIons = 1'000'000;
const QuantitySelection kEnergy = {QuantityId::KinEnerg, 1, SourceKind::TransmitTxt, 1, 1.0};

ParticleSet& BenchSet() {
    static ParticleSet set = bench::MakeBenchSet(kIons);
    return set;
}

void BM_TodaysStatistics(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SummarizeAll(BenchSet(), kEnergy));
}
BENCHMARK(BM_TodaysStatistics)->Unit(benchmark::kMillisecond);

// Errors, median, FWHM at the default width, skewness and kurtosis.
void BM_MoreStatistics(benchmark::State& state) {
    const StatSummary summary = SummarizeAll(BenchSet(), kEnergy);
    const Histogram plan = *PlanFwhmHistogram(StatPage::Energy, summary, "").value;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeMoreStatistics(BenchSet(), kEnergy, StatScope::All, summary, plan));
}
BENCHMARK(BM_MoreStatistics)->Unit(benchmark::kMillisecond);

// 1001 intervals over the whole energy range of the million ions.
void BM_FitGaussian1001(benchmark::State& state) {
    if (!GaussianFitAvailable()) {
        state.SkipWithError("built without GSL");
        return;
    }
    const StatSummary s = SummarizeAll(BenchSet(), kEnergy);
    const DisplayRange range = SymmetricRange(s.min, s.max, s.mean);
    Histogram h = PlanIntervals(range, range.length() / 1000.9).histogram;
    if (h.intervalCount != 1001) throw std::logic_error("expected 1001 intervals");
    CountHistogram(BenchSet(), kEnergy, h);
    GaussianFit fit;
    for (auto _ : state) benchmark::DoNotOptimize(fit = FitGaussian(h));
    state.counters["converged"] = fit.status == FitStatus::Converged;
    state.counters["iterations"] = fit.iterations;
}
BENCHMARK(BM_FitGaussian1001)->Unit(benchmark::kMillisecond);

// The figures of one row of a comparison of runs, the set already loaded.
void BM_SummarizeSet(benchmark::State& state) {
    for (auto _ : state) {
        RunSummary row;
        SummarizeSet(BenchSet(), SourceKind::TransmitTxt, row);
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_SummarizeSet)->Unit(benchmark::kMillisecond);

}  // namespace
