#include "tables/quantity_table.hpp"

#include "state/app_state.hpp"

#include <cmath>
#include <utility>

namespace zelkor {
namespace {

using Value = QuantityColumn::Value;

constexpr double kLengthFactors[] = {1.0, 0.1, 1e-4, 1e-7, 1e-10};
constexpr const char* kLengthSymbols[] = {"A", "nm", "\xC2\xB5m", "mm", "m"};
constexpr double kAngleFactors[] = {57.29577951308232, 1.0, 1000.0};
constexpr const char* kAngleSymbols[] = {"deg", "rad", "mrad"};
constexpr double kSlopeFactors[] = {1.0, 1000.0};
constexpr const char* kSlopeSymbols[] = {"rad", "mrad"};

// A stray code reads as code 0, as everywhere else units are looked up.
template <std::size_t N>
int Code(int unitCode, const double (&)[N]) {
    return unitCode >= 0 && static_cast<std::size_t>(unitCode) < N ? unitCode : 0;
}

std::string Title(const char* name, const char* symbol) { return std::string(" ") + name + " [" + symbol + "]"; }

QuantityColumn IndexColumn() { return {" Ion", Value::Index, nullptr, 1.0, CellFormat::Index}; }

QuantityColumn PositionColumn(QuantityId quantity, int unitCode) {
    const int code = Code(unitCode, kLengthFactors);
    const double f = kLengthFactors[code];
    const char* unit = kLengthSymbols[code];
    switch (quantity) {
        case QuantityId::PosZ: return {Title("Z", unit), Value::Plain, &ParticleRecord::z, f, CellFormat::Exponent6};
        case QuantityId::PosabsY:
            return {Title("| Y |", unit), Value::Absolute, &ParticleRecord::y, f, CellFormat::Exponent6};
        case QuantityId::PosabsZ:
            return {Title("| Z |", unit), Value::Absolute, &ParticleRecord::z, f, CellFormat::Exponent6};
        case QuantityId::PosYZ:
            return {Title("(Y^2 + Z^2)^1/2", unit), Value::Radial, nullptr, f, CellFormat::Exponent6};
        default: return {Title("Y", unit), Value::Plain, &ParticleRecord::y, f, CellFormat::Exponent6};
    }
}

QuantityColumn AngleColumn(QuantityId quantity, int unitCode) {
    const int code = Code(unitCode, kAngleFactors);
    const char* unit = kAngleSymbols[code];
    const double f = kAngleFactors[code];
    switch (quantity) {
        case QuantityId::AngY: return {Title("Y", unit), Value::Angle, &ParticleRecord::cos_y, f, CellFormat::Fixed7};
        case QuantityId::AngZ:
            return {Title("Z", unit), Value::Angle, &ParticleRecord::cos_z, f,
                    code == 2 ? CellFormat::Fixed10 : CellFormat::Fixed7};
        default: return {Title("X", unit), Value::Angle, &ParticleRecord::cos_x, f, CellFormat::Fixed7};
    }
}

QuantityColumn SlopeColumn(QuantityId quantity, int unitCode, SourceKind kind) {
    const int code = Code(unitCode, kSlopeFactors);
    const bool y = quantity == QuantityId::dYdX;
    QuantityColumn column{Title(y ? "dY/dX" : "dZ/dX", kSlopeSymbols[code]), Value::SlopeFromCosines,
                          y ? &ParticleRecord::cos_y : &ParticleRecord::cos_z, kSlopeFactors[code],
                          !y && code == 1 ? CellFormat::Exponent10 : CellFormat::Fixed10};
    // A point file holds the slope itself where the others hold a cosine.
    if (kind == SourceKind::WinAgile) {
        column.value = Value::StoredSlope;
        column.format = CellFormat::Exponent10;
    }
    return column;
}

}  // namespace

std::optional<Message> CheckRowsTicked(const RowTicks& ticks) {
    for (bool ticked : ticks)
        if (ticked) return std::nullopt;
    return WarningMessage(kNoItemsSelectedText);
}

double QuantityColumn::of(const ParticleRecord& r) const {
    switch (value) {
        case Value::Plain: return r.*field * factor;
        case Value::Absolute: return std::fabs(r.*field * factor);
        case Value::Radial: return std::sqrt(r.y * r.y + r.z * r.z) * factor;
        case Value::Angle: return std::acos(r.*field) * factor;
        case Value::SlopeFromCosines: return r.*field / r.cos_x * factor;
        case Value::StoredSlope: return r.*field * factor;
        case Value::Index: break;
    }
    return 0.0;
}

QuantityTable::QuantityTable(const ParticleSet& set, std::vector<QuantityColumn> columns)
    : set_(&set), columns_(std::move(columns)) {}

char* QuantityTable::appendCell(char* out, int ion, int column) const {
    const QuantityColumn& c = columns_[static_cast<std::size_t>(column)];
    if (c.value == Value::Index) return AppendFormatted(out, CellFormat::Index, ion);
    return AppendFormatted(out, c.format, c.of(set_->record(ion)));
}

QuantityTable MakePositionTable(const ParticleSet& set, const AppState& state, const RowTicks& ticks) {
    std::vector<QuantityColumn> columns{IndexColumn()};
    for (std::size_t row = 0; row < kPositionRows.size(); ++row)
        if (ticks[row]) columns.push_back(PositionColumn(kPositionRows[row], state.unitOf(kPositionRows[row])));
    return QuantityTable(set, std::move(columns));
}

QuantityTable MakeAngleTable(const ParticleSet& set, const AppState& state, const RowTicks& ticks) {
    std::vector<QuantityColumn> columns{IndexColumn()};
    const bool slopesOnly = state.sourceKind == SourceKind::WinAgile;
    for (std::size_t row = 0; row < kAngleRows.size(); ++row) {
        const QuantityId quantity = kAngleRows[row];
        const bool slope = quantity == QuantityId::dYdX || quantity == QuantityId::dZdX;
        if (!ticks[row] || (slopesOnly && !slope)) continue;
        columns.push_back(slope ? SlopeColumn(quantity, state.unitOf(quantity), state.sourceKind)
                                : AngleColumn(quantity, state.unitOf(quantity)));
    }
    return QuantityTable(set, std::move(columns));
}

}  // namespace zelkor
