#pragma once

// Some quantities cost far more to evaluate than to load: an arc cosine, a
// square root, a division or two. A pass over one of them first evaluates it
// once per ion, on every core, into a column, and the kernels then read the
// column in index order: the same values in the same order give the same
// sums, bit for bit, while the costly part runs once and in parallel.

#include "data/large_block_allocator.hpp"
#include "data/particle_record.hpp"
#include "data/run_on_threads.hpp"
#include "stats/quantity_selection.hpp"
#include "stats/quantity_value.hpp"

#include <cstddef>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

namespace zelkor {
namespace quantity_value {

// The value of a record of `ions`, looked up in a column computed for them.
struct FromColumn {
    const double* values;
    const ParticleRecord* first;
    double operator()(const ParticleRecord& r) const { return values[&r - first]; }
};

template <class Value>
inline constexpr bool kWorthAColumn = false;
template <>
inline constexpr bool kWorthAColumn<EnergyPerMass> = true;
template <>
inline constexpr bool kWorthAColumn<RadialPosition> = true;
template <double ParticleRecord::*Cosine>
inline constexpr bool kWorthAColumn<Angle<Cosine>> = true;
template <double ParticleRecord::*Cosine>
inline constexpr bool kWorthAColumn<SlopeFromCosines<Cosine>> = true;

}  // namespace quantity_value

// One value per ion, written first by the thread that computes it, so that
// fresh pages are cleared on every core; huge pages where the system has them.
class ValueColumn {
public:
    explicit ValueColumn(std::size_t size)
        : size_(size), values_(size > 0 ? static_cast<double*>(AllocateLargeBlock(size * sizeof(double))) : nullptr) {}
    ~ValueColumn() {
        if (values_) FreeLargeBlock(values_, size_ * sizeof(double));
    }
    ValueColumn(const ValueColumn&) = delete;
    ValueColumn& operator=(const ValueColumn&) = delete;

    double* data() { return values_; }
    const double* data() const { return values_; }

private:
    std::size_t size_;
    double* values_;
};

// A column filled for `size` ions from `first` under a selection.
struct KeptColumn {
    const ParticleRecord* first = nullptr;
    std::size_t size = 0;
    QuantitySelection selection;
    std::unique_ptr<ValueColumn> column;

    bool holds(std::span<const ParticleRecord> ions, const QuantitySelection& s) const;
};

// A column kept from one command to the next by a session whose positions
// and cosines never change after its load (a script's or the page's loaded
// file): only a quantity computed from those alone (an angle, a slope, the
// radius) is kept, and only the last one, so that asking for the same angle
// again costs no arc cosines. A copy starts empty.
class ColumnStore {
public:
    ColumnStore() = default;
    ColumnStore(const ColumnStore&) {}
    ColumnStore& operator=(const ColumnStore&) {
        columns_.clear();
        return *this;
    }
    ColumnStore(ColumnStore&&) noexcept = default;
    ColumnStore& operator=(ColumnStore&&) noexcept = default;
    ~ColumnStore() = default;

private:
    friend class ReuseColumns;
    std::vector<KeptColumn> columns_;
};

// While one lives on a thread, the columns filled there are kept and used
// again by the passes that follow over the same ions and the same
// selection: for a run of passes (a report and its further figures, a range
// and its histogram) over a set whose values do not change meanwhile. The
// flags may change; they are no part of a value. The outermost one may take
// its columns from a store and leave what the store keeps in it.
class ReuseColumns {
public:
    ReuseColumns();
    explicit ReuseColumns(ColumnStore& store);
    ~ReuseColumns();
    ReuseColumns(const ReuseColumns&) = delete;
    ReuseColumns& operator=(const ReuseColumns&) = delete;

    // Whether one lives on this thread.
    static bool active();
    // The kept column of these ions and this selection, or null (always
    // null while no ReuseColumns lives on the thread).
    static const double* find(std::span<const ParticleRecord> ions, const QuantitySelection& selection);
    // Keeps the column while one lives; else hands it back.
    static std::unique_ptr<ValueColumn> keep(std::span<const ParticleRecord> ions, const QuantitySelection& selection,
                                             std::unique_ptr<ValueColumn> column);
};

// Fills column[i] with value(ions[i]) on every core.
template <class Value>
void FillColumn(std::span<const ParticleRecord> ions, const Value& value, double* column) {
    ForEachRun(SplitIntoRuns(ions.size()), [&](IndexRun run, std::size_t) {
        for (std::size_t i = run.begin; i < run.end; ++i) column[i] = value(ions[i]);
    });
}

// Calls f with the value functor of the selection, or with one that reads a
// column of its values over `ions` (computed just before, or kept by a
// ReuseColumns): for a quantity worth it, and for any quantity while a
// ReuseColumns lives, since a run of passes then streams 8 bytes an ion
// instead of whole records. Returns what f returns.
template <class F>
auto WithColumnValue(std::span<const ParticleRecord> ions, const QuantitySelection& selection, F&& f) {
    return WithQuantityValue(selection, [&](const auto& value) {
        using Value = std::decay_t<decltype(value)>;
        if (quantity_value::kWorthAColumn<Value> || ReuseColumns::active()) {
            const double* values = ReuseColumns::find(ions, selection);
            std::unique_ptr<ValueColumn> column;
            if (values == nullptr) {
                column = std::make_unique<ValueColumn>(ions.size());
                FillColumn(ions, value, column->data());
                values = column->data();
                column = ReuseColumns::keep(ions, selection, std::move(column));
            }
            return f(quantity_value::FromColumn{values, ions.data()});
        }
        return f(value);
    });
}

}  // namespace zelkor
