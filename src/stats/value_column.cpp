#include "stats/value_column.hpp"

#include <algorithm>
#include <vector>

namespace zelkor {
namespace {

struct Kept {
    int scopes = 0;
    ColumnStore* store = nullptr;  // the outermost scope's, if it has one
    std::vector<KeptColumn> columns;
};

Kept& ThisThread() {
    static thread_local Kept kept;
    return kept;
}

// Quantities of positions and cosines alone, which no command changes after a load.
bool FixedAfterLoad(QuantityId quantity) {
    switch (quantity) {
        case QuantityId::PosYZ:
        case QuantityId::AngX:
        case QuantityId::AngY:
        case QuantityId::AngZ:
        case QuantityId::dYdX:
        case QuantityId::dZdX: return true;
        default: return false;
    }
}

}  // namespace

bool KeptColumn::holds(std::span<const ParticleRecord> ions, const QuantitySelection& s) const {
    const QuantitySelection& k = selection;
    return first == ions.data() && size == ions.size() && k.quantity == s.quantity && k.unitCode == s.unitCode &&
           k.sourceKind == s.sourceKind && k.A == s.A && k.amu == s.amu;
}

ReuseColumns::ReuseColumns() { ++ThisThread().scopes; }

ReuseColumns::ReuseColumns(ColumnStore& store) {
    Kept& kept = ThisThread();
    if (kept.scopes++ > 0) return;
    kept.store = &store;
    kept.columns = std::move(store.columns_);
    store.columns_.clear();
}

ReuseColumns::~ReuseColumns() {
    Kept& kept = ThisThread();
    if (--kept.scopes > 0) return;
    if (kept.store != nullptr) {
        // The last column filled of a quantity that stays as it is.
        const auto last = std::find_if(kept.columns.rbegin(), kept.columns.rend(),
                                       [](const KeptColumn& c) { return FixedAfterLoad(c.selection.quantity); });
        if (last != kept.columns.rend()) kept.store->columns_.push_back(std::move(*last));
        kept.store = nullptr;
    }
    kept.columns.clear();
}

bool ReuseColumns::active() { return ThisThread().scopes > 0; }

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
