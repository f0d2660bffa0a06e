#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/source_kind.hpp"
#include "state/quantity_id.hpp"
#include "tables/ion_grid_table.hpp"

#include <array>
#include <optional>
#include <vector>

namespace zelkor {

struct AppState;

// The five rows of the "Position" and "Angles" windows, in table order.
inline constexpr std::array<QuantityId, 5> kPositionRows{QuantityId::PosY, QuantityId::PosZ, QuantityId::PosabsY,
                                                         QuantityId::PosabsZ, QuantityId::PosYZ};
inline constexpr std::array<QuantityId, 5> kAngleRows{QuantityId::AngX, QuantityId::AngY, QuantityId::AngZ,
                                                      QuantityId::dYdX, QuantityId::dZdX};
using RowTicks = std::array<bool, 5>;

inline constexpr const char* kNoItemsSelectedText = "No items selected";

// "No items selected" (a warning) when no row is ticked.
std::optional<Message> CheckRowsTicked(const RowTicks& ticks);

// One column of a position or angle table: how a record becomes its value.
struct QuantityColumn {
    enum class Value { Index, Plain, Absolute, Radial, Angle, SlopeFromCosines, StoredSlope };
    std::string title;
    Value value = Value::Index;
    double ParticleRecord::*field = nullptr;
    double factor = 1.0;  // applied as a multiplication
    CellFormat format = CellFormat::Index;

    double of(const ParticleRecord& record) const;
};

// The position or angle table of a set: " Ion", then one column per ticked row.
class QuantityTable : public IonGridTable {
public:
    QuantityTable(const ParticleSet& set, std::vector<QuantityColumn> columns);

    int rows() const override { return set_->count; }
    int columns() const override { return static_cast<int>(columns_.size()); }
    const std::string& title(int column) const override { return columns_[static_cast<std::size_t>(column)].title; }
    CellFormat format(int column) const override { return columns_[static_cast<std::size_t>(column)].format; }
    char* appendCell(char* out, int ion, int column) const override;

private:
    const ParticleSet* set_;
    std::vector<QuantityColumn> columns_;
};

// The ticked rows in the order Y, Z, | Y |, | Z |, (Y^2 + Z^2)^1/2, each in
// the unit code of its quantity in the state (A, nm, um, mm, m).
QuantityTable MakePositionTable(const ParticleSet& set, const AppState& state, const RowTicks& ticks);

// The ticked rows in the order angle X, Y, Z, dY/dX, dZ/dX in the units of
// the state; a WinAGILE set has slopes only, so its angle rows give no column.
QuantityTable MakeAngleTable(const ParticleSet& set, const AppState& state, const RowTicks& ticks);

}  // namespace zelkor
