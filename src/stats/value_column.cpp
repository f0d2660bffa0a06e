#include "stats/value_column.hpp"

#include <vector>

namespace zelkor {
namespace {

struct KeptColumn {
    const ParticleRecord* first;
    std::size_t size;
    QuantitySelection selection;
    std::unique_ptr<ValueColumn> column;

    bool holds(std::span<const ParticleRecord> ions, const QuantitySelection& s) const {
        const QuantitySelection& k = selection;
        return first == ions.data() && size == ions.size() && k.quantity == s.quantity && k.unitCode == s.unitCode &&
               k.sourceKind == s.sourceKind && k.A == s.A && k.amu == s.amu;
    }
};

struct Kept {
    int scopes = 0;
    std::vector<KeptColumn> columns;
};

Kept& ThisThread() {
    static thread_local Kept kept;
    return kept;
}

}  // namespace

ReuseColumns::ReuseColumns() { ++ThisThread().scopes; }

ReuseColumns::~ReuseColumns() {
    Kept& kept = ThisThread();
    if (--kept.scopes == 0) kept.columns.clear();
}

const double* ReuseColumns::find(std::span<const ParticleRecord> ions, const QuantitySelection& selection) {
    for (const KeptColumn& kept : ThisThread().columns)
        if (kept.holds(ions, selection)) return kept.column->data();
    return nullptr;
}

std::unique_ptr<ValueColumn> ReuseColumns::keep(std::span<const ParticleRecord> ions,
                                                const QuantitySelection& selection,
                                                std::unique_ptr<ValueColumn> column) {
    Kept& kept = ThisThread();
    if (kept.scopes == 0) return column;
    kept.columns.push_back({ions.data(), ions.size(), selection, std::move(column)});
    return nullptr;
}

}  // namespace zelkor
