#include "stats/sigma_filter.hpp"

#include "stats/ion_span.hpp"
#include "stats/quantity_value.hpp"
#include "stats/sigma_filter_pass.hpp"

namespace zelkor {

void ApplySigmaFilter(ParticleSet& set, const QuantitySelection& selection, double n, Progress& progress) {
    WithQuantityValue(selection, [&](const auto& value) { kernel_pass::SigmaFilter(Ions(set), value, n, progress); });
}

} // namespace zelkor
