// The relativistic table's values with every column on 1,000,000 ions
// (target 0.3 s): the calculation with its momentum pass, then every cell's value.
#include "bench_data.hpp"
#include "relativity/relativistic_table.hpp"

#include <benchmark/benchmark.h>

namespace {

void BM_RelativisticTableAllColumns(benchmark::State& state) {
    zelkor::ParticleSet set = zelkor::bench::MakeBenchSet(1'000'000);
    zelkor::AppState app;
    app.sourceKind = zelkor::SourceKind::TransmitTxt;
    app.A = 12;
    app.amu = 11.99670852;
    app.n = 6;
    for (auto _ : state) {
        const zelkor::RelativisticTable table =
            zelkor::ComputeRelativisticTable(set, app, zelkor::RelativisticSelection::All());
        // Every value of every column, as a full copy of the grid reads them.
        double sum = 0.0;
        for (std::size_t c = 1; c < table.columns.size(); ++c)
            for (int i = 1; i <= set.count; ++i) sum += table.value(c, set.record(i));
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_RelativisticTableAllColumns)->Unit(benchmark::kMillisecond);

}  // namespace
