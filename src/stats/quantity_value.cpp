#include "stats/quantity_value.hpp"

namespace zelkor {

double QuantityValue(const ParticleRecord& record, const QuantitySelection& selection) {
    return WithQuantityValue(selection, [&](const auto& value) { return value(record); });
}

double QuantityValue(const ParticleRecord& record, QuantityId quantity, int unitCode, SourceKind sourceKind, int A,
                     double amu) {
    return QuantityValue(record, QuantitySelection{quantity, unitCode, sourceKind, A, amu});
}

}  // namespace zelkor
