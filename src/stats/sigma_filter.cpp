#include "stats/sigma_filter.hpp"

#include "stats/ion_span.hpp"
#include "stats/progress_dispatch.hpp"
#include "stats/value_column.hpp"
#include "stats/sigma_filter_pass.hpp"

namespace zelkor {

void ApplySigmaFilter(ParticleSet& set, const QuantitySelection& selection, double n, Progress& progress) {
    WithProgress(progress, [&](auto& p) {
        const auto ions = Ions(set);
        WithColumnValue(ions, selection, [&](const auto& value) { kernel_pass::SigmaFilter(ions, value, n, p); });
    });
}

}  // namespace zelkor
