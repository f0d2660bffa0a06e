// Statistics kernels, n-sigma filter and histogram counting on 1,000,000 ions.
// Each pass is measured twice where it matters: through the public function
// (progress.yield() after every record, nobody listening) and through the same
// pass instantiated with a progress that has no yield at all.

#include "bench_data.hpp"

#include "stats/display_range.hpp"
#include "stats/histogram.hpp"
#include "stats/histogram_count_pass.hpp"
#include "stats/ion_span.hpp"
#include "stats/kernel_passes.hpp"
#include "stats/kernels.hpp"
#include "stats/quantity_value.hpp"
#include "stats/sigma_filter.hpp"
#include "stats/sigma_filter_pass.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace zelkor;

constexpr int kIons = 1'000'000;

ParticleSet& BenchSet() {
    static ParticleSet set = bench::MakeBenchSet(kIons);
    return set;
}

// The baseline: a pass with no yield call compiled in.
struct WithoutYield {
    void yield() {}
    void advance(int) {}
};

QuantitySelection Quantity(int q) { return {static_cast<QuantityId>(q), 1, SourceKind::TransmitTxt, 4, 4.0015}; }

void BM_FiveAllIonKernels(benchmark::State& state) {
    const QuantitySelection s = Quantity(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(SummarizeAll(BenchSet(), s));
}
BENCHMARK(BM_FiveAllIonKernels)
    ->Arg(int(QuantityId::KinEnerg))
    ->Arg(int(QuantityId::EnergA))
    ->Arg(int(QuantityId::PosYZ))
    ->Arg(int(QuantityId::dYdX))
    ->Arg(int(QuantityId::AngX))
    ->Unit(benchmark::kMillisecond);

void BM_FiveAllIonKernelsWithoutYield(benchmark::State& state) {
    const QuantitySelection s = Quantity(int(QuantityId::KinEnerg));
    WithoutYield none;
    for (auto _ : state)
        benchmark::DoNotOptimize(WithQuantityValue(
            s, [&](const auto& value) { return kernel_pass::SummaryOfAll(Ions(BenchSet()), value, none); }));
}
BENCHMARK(BM_FiveAllIonKernelsWithoutYield)->Unit(benchmark::kMillisecond);

// The five kernels called one by one, as a window without the fused summary would.
void BM_FiveAllIonKernelsOneByOne(benchmark::State& state) {
    const QuantitySelection s = Quantity(int(QuantityId::KinEnerg));
    for (auto _ : state) {
        benchmark::DoNotOptimize(MinAll(BenchSet(), s));
        benchmark::DoNotOptimize(MaxAll(BenchSet(), s));
        benchmark::DoNotOptimize(MeanAll(BenchSet(), s));
        benchmark::DoNotOptimize(DispersionAll(BenchSet(), s));
        benchmark::DoNotOptimize(SigmaAll(BenchSet(), s));
    }
}
BENCHMARK(BM_FiveAllIonKernelsOneByOne)->Unit(benchmark::kMillisecond);

void BM_FiveAcceptedKernels(benchmark::State& state) {
    ParticleSet& set = BenchSet();
    const QuantitySelection s = Quantity(int(QuantityId::KinEnerg));
    ApplySigmaFilter(set, s, 2.0);
    for (auto _ : state) benchmark::DoNotOptimize(SummarizeAccepted(set, s));
    AcceptAll(set);
}
BENCHMARK(BM_FiveAcceptedKernels)->Unit(benchmark::kMillisecond);

// Re-applying the same filter, as every filtered display does.
void BM_ApplySigmaFilter(benchmark::State& state) {
    ParticleSet& set = BenchSet();
    const QuantitySelection s = Quantity(static_cast<int>(state.range(0)));
    for (auto _ : state) ApplySigmaFilter(set, s, 2.0);
    state.counters["rejected"] = CountRejected(set);
    AcceptAll(set);
}
BENCHMARK(BM_ApplySigmaFilter)->Arg(int(QuantityId::KinEnerg))->Arg(int(QuantityId::PosY))->Unit(benchmark::kMillisecond);

// Every run flips the flags of the ions between 1 and 3 sigma.
void BM_ApplySigmaFilterChangingFlags(benchmark::State& state) {
    ParticleSet& set = BenchSet();
    const QuantitySelection s = Quantity(int(QuantityId::KinEnerg));
    double n = 1.0;
    for (auto _ : state) {
        ApplySigmaFilter(set, s, n);
        n = n == 1.0 ? 3.0 : 1.0;
    }
    AcceptAll(set);
}
BENCHMARK(BM_ApplySigmaFilterChangingFlags)->Unit(benchmark::kMillisecond);

void BM_ApplySigmaFilterWithoutYield(benchmark::State& state) {
    ParticleSet& set = BenchSet();
    const QuantitySelection s = Quantity(int(QuantityId::KinEnerg));
    WithoutYield none;
    for (auto _ : state)
        WithQuantityValue(s, [&](const auto& value) { kernel_pass::SigmaFilter(Ions(set), value, 2.0, none); });
    AcceptAll(set);
}
BENCHMARK(BM_ApplySigmaFilterWithoutYield)->Unit(benchmark::kMillisecond);

// 1001 intervals over the whole range of the quantity.
Histogram ThousandAndOneIntervals(const QuantitySelection& s) {
    AppState app;
    app.sourceKind = s.sourceKind;
    app.energyQuantity = QuantityId::KinEnerg;
    app.unitOf(QuantityId::KinEnerg) = s.unitCode;
    const DisplayRange range = ComputeDisplayRange(app, BenchSet(), StatPage::Energy, 0.0);
    Histogram h = PlanIntervals(range, range.length() / 1000.9).histogram;
    if (h.intervalCount != 1001) throw std::logic_error("expected 1001 intervals");
    return h;
}

void BM_CountIntervals1001(benchmark::State& state) {
    const QuantitySelection s = Quantity(int(QuantityId::KinEnerg));
    const Histogram h = ThousandAndOneIntervals(s);
    for (auto _ : state)
        benchmark::DoNotOptimize(CountIntervals(BenchSet(), s, h.start, h.width, h.intervalCount));
}
BENCHMARK(BM_CountIntervals1001)->Unit(benchmark::kMillisecond);

void BM_CountIntervals1001WithoutYield(benchmark::State& state) {
    const QuantitySelection s = Quantity(int(QuantityId::KinEnerg));
    const Histogram h = ThousandAndOneIntervals(s);
    const std::vector<double> edges = AccumulatedEdges(h.start, h.width, h.intervalCount);
    const IntervalLocator locate(edges, h.width);
    WithoutYield none;
    for (auto _ : state) {
        std::vector<int> counts(static_cast<std::size_t>(h.intervalCount), 0);
        WithQuantityValue(s, [&](const auto& value) {
            kernel_pass::CountIntoIntervals(Ions(BenchSet()), value, locate, counts, kIons / 100, none);
        });
        benchmark::DoNotOptimize(counts.data());
    }
}
BENCHMARK(BM_CountIntervals1001WithoutYield)->Unit(benchmark::kMillisecond);

} // namespace
