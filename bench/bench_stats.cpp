// Statistics kernels, n-sigma filter and histogram counting on 1,000,000 ions.
//
// The yield argument of the *Yield benchmarks says what the pass is given:
//   0  NoProgress(), as a batch run or a test passes (nobody listens)
//   1  a Progress object of its own that does not listen
//   2  a listening Progress whose repaint does nothing (the per-record cost a window pays)
//   3  the pass instantiated without any yield call (the baseline)

#include "bench_data.hpp"

#include "stats/display_range.hpp"
#include "stats/histogram.hpp"
#include "stats/histogram_count_pass.hpp"
#include "stats/ion_span.hpp"
#include "stats/kernel_passes.hpp"
#include "stats/kernels.hpp"
#include "stats/progress_dispatch.hpp"
#include "stats/quantity_value.hpp"
#include "stats/sigma_filter.hpp"
#include "stats/sigma_filter_pass.hpp"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace zelkor;

constexpr int kIons = 1'000'000;

ParticleSet& BenchSet() {
    static ParticleSet set = bench::MakeBenchSet(kIons);
    return set;
}

class QuietWindow : public Progress {
public:
    QuietWindow() : Progress(true) {}

protected:
    void onYield() override { benchmark::ClobberMemory(); }
};

// Runs pass(progress) with the progress the benchmark's argument names.
template <typename Pass>
void WithYieldKind(int kind, Pass&& pass) {
    static Progress notListening;
    static QuietWindow listening;
    SilentProgress none;
    switch (kind) {
        case 0: pass(NoProgress()); break;
        case 1: pass(notListening); break;
        case 2: pass(listening); break;
        default: pass(none); break;
    }
}

void YieldKinds(benchmark::internal::Benchmark* b) {
    for (int kind = 0; kind < 4; ++kind) b->Arg(kind);
    b->ArgName("yield")->Unit(benchmark::kMillisecond);
}

QuantitySelection Quantity(QuantityId q) { return {q, 1, SourceKind::TransmitTxt, 4, 4.0015}; }
const QuantitySelection kEnergy = Quantity(QuantityId::KinEnerg);

// MinAll .. SigmaAll, as "Basic Analysis" computes them.
void BM_FiveAllIonKernels(benchmark::State& state) {
    const QuantitySelection s = Quantity(static_cast<QuantityId>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(SummarizeAll(BenchSet(), s));
}
BENCHMARK(BM_FiveAllIonKernels)
    ->ArgName("quantity")
    ->Arg(int(QuantityId::KinEnerg))
    ->Arg(int(QuantityId::EnergA))
    ->Arg(int(QuantityId::PosYZ))
    ->Arg(int(QuantityId::dYdX))
    ->Arg(int(QuantityId::AngX))
    ->Unit(benchmark::kMillisecond);

void BM_FiveAllIonKernelsYield(benchmark::State& state) {
    const auto ions = Ions(BenchSet());
    for (auto _ : state)
        WithYieldKind(static_cast<int>(state.range(0)), [&](auto& p) {
            WithQuantityValue(kEnergy,
                              [&](auto value) { benchmark::DoNotOptimize(kernel_pass::SummaryOfAll(ions, value, p)); });
        });
}
BENCHMARK(BM_FiveAllIonKernelsYield)->Apply(YieldKinds);

// The five kernels called one by one: eight passes instead of two.
void BM_FiveAllIonKernelsOneByOne(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(MinAll(BenchSet(), kEnergy));
        benchmark::DoNotOptimize(MaxAll(BenchSet(), kEnergy));
        benchmark::DoNotOptimize(MeanAll(BenchSet(), kEnergy));
        benchmark::DoNotOptimize(DispersionAll(BenchSet(), kEnergy));
        benchmark::DoNotOptimize(SigmaAll(BenchSet(), kEnergy));
    }
}
BENCHMARK(BM_FiveAllIonKernelsOneByOne)->Unit(benchmark::kMillisecond);

void BM_FiveAcceptedKernels(benchmark::State& state) {
    ParticleSet& set = BenchSet();
    ApplySigmaFilter(set, kEnergy, 2.0);
    for (auto _ : state) benchmark::DoNotOptimize(SummarizeAccepted(set, kEnergy));
    AcceptAll(set);
}
BENCHMARK(BM_FiveAcceptedKernels)->Unit(benchmark::kMillisecond);

// Re-applying the same filter, as every filtered display does.
void BM_ApplySigmaFilter(benchmark::State& state) {
    ParticleSet& set = BenchSet();
    const QuantitySelection s = Quantity(static_cast<QuantityId>(state.range(0)));
    for (auto _ : state) ApplySigmaFilter(set, s, 2.0);
    state.counters["rejected"] = CountRejected(set);
    AcceptAll(set);
}
BENCHMARK(BM_ApplySigmaFilter)
    ->ArgName("quantity")
    ->Arg(int(QuantityId::KinEnerg))
    ->Arg(int(QuantityId::PosY))
    ->Unit(benchmark::kMillisecond);

// Every run flips the flags of the ions between 1 and 3 sigma.
void BM_ApplySigmaFilterChangingFlags(benchmark::State& state) {
    ParticleSet& set = BenchSet();
    double n = 1.0;
    for (auto _ : state) {
        ApplySigmaFilter(set, kEnergy, n);
        n = n == 1.0 ? 3.0 : 1.0;
    }
    AcceptAll(set);
}
BENCHMARK(BM_ApplySigmaFilterChangingFlags)->Unit(benchmark::kMillisecond);

void BM_ApplySigmaFilterYield(benchmark::State& state) {
    const auto ions = Ions(BenchSet());
    for (auto _ : state)
        WithYieldKind(static_cast<int>(state.range(0)), [&](auto& p) {
            WithQuantityValue(kEnergy, [&](auto value) { kernel_pass::SigmaFilter(ions, value, 2.0, p); });
        });
    AcceptAll(BenchSet());
}
BENCHMARK(BM_ApplySigmaFilterYield)->Apply(YieldKinds);

// 1001 intervals over the whole range of the energy.
Histogram ThousandAndOneIntervals() {
    AppState app;
    app.sourceKind = kEnergy.sourceKind;
    app.unitOf(QuantityId::KinEnerg) = kEnergy.unitCode;
    const DisplayRange range = ComputeDisplayRange(app, BenchSet(), StatPage::Energy, 0.0);
    Histogram h = PlanIntervals(range, range.length() / 1000.9).histogram;
    if (h.intervalCount != 1001) throw std::logic_error("expected 1001 intervals");
    return h;
}

void BM_CountIntervals1001(benchmark::State& state) {
    const Histogram h = ThousandAndOneIntervals();
    for (auto _ : state)
        benchmark::DoNotOptimize(CountIntervals(BenchSet(), kEnergy, h.start, h.width, h.intervalCount));
}
BENCHMARK(BM_CountIntervals1001)->Unit(benchmark::kMillisecond);

void BM_CountIntervals1001Yield(benchmark::State& state) {
    const Histogram h = ThousandAndOneIntervals();
    const std::vector<double> edges = AccumulatedEdges(h.start, h.width, h.intervalCount);
    const IntervalLocator locate(edges, h.width);
    const auto ions = Ions(BenchSet());
    std::vector<int> counts(static_cast<std::size_t>(h.intervalCount));
    for (auto _ : state) {
        std::fill(counts.begin(), counts.end(), 0);
        WithYieldKind(static_cast<int>(state.range(0)), [&](auto& p) {
            WithQuantityValue(kEnergy, [&](auto value) {
                kernel_pass::CountIntoIntervals(ions, value, locate, counts, kIons / 100, p);
            });
        });
        benchmark::DoNotOptimize(counts.data());
    }
}
BENCHMARK(BM_CountIntervals1001Yield)->Apply(YieldKinds);

}  // namespace
