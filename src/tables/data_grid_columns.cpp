#include "tables/data_grid_columns.hpp"

#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"
#include "data/field_extents.hpp"
#include "data/run_on_threads.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace zelkor {
namespace {

constexpr std::array<DataColumn, 8> kIonColumns{{
    {"Ion", nullptr, 1.0, CellFormat::Index},
    {"Energy  [eV]", &ParticleRecord::energy, 1.0, CellFormat::Exponent6},
    {"Depth  X [A]", &ParticleRecord::x, 1.0, CellFormat::Exponent6},
    {"Lat.-Pos.  Y [A]", &ParticleRecord::y, 1.0, CellFormat::Exponent6},
    {"Lat.-Pos.  Z [A]", &ParticleRecord::z, 1.0, CellFormat::Exponent6},
    {"Cos  X", &ParticleRecord::cos_x, 1.0, CellFormat::Fixed7},
    {"Cos  Y", &ParticleRecord::cos_y, 1.0, CellFormat::Fixed7},
    {"Cos  Z", &ParticleRecord::cos_z, 1.0, CellFormat::Fixed7},
}};

// Positions are stored in Angstrom and shown in metres; dp/p is stored as a fraction.
constexpr std::array<DataColumn, 6> kPointColumns{{
    {"Ion", nullptr, 1.0, CellFormat::Index},
    {" Y [m]", &ParticleRecord::y, 1e-10, CellFormat::Exponent10},
    {" dY/dX [rad]", &ParticleRecord::cos_y, 1.0, CellFormat::Exponent10},
    {" Z [m]", &ParticleRecord::z, 1e-10, CellFormat::Exponent10},
    {" dZ/dX [rad]", &ParticleRecord::cos_z, 1.0, CellFormat::Exponent10},
    {"dp/p [%]", &ParticleRecord::momentum, 100.0, CellFormat::Exponent10},
}};

}  // namespace

std::span<const DataColumn> DataColumnsFor(SourceKind kind) {
    switch (kind) {
        case SourceKind::TransmitTxt:
        case SourceKind::TrimDat: return kIonColumns;
        case SourceKind::WinAgile: return kPointColumns;
        case SourceKind::None: break;
    }
    return {};
}

namespace {

// What sizes a column: a minus anywhere, the largest magnitude, an exponent
// of three digits (a magnitude of 1e100 or more, or a non-zero one below 1e-99).
struct ColumnExtent {
    bool negative = false;
    double largest = 0.0;
    bool longExponent = false;
};

ColumnExtent ExtentOf(const FieldExtents& extents, std::size_t k) {
    return {extents.negative(k), extents.largest[k],
            extents.largest[k] >= 1e100 || extents.smallestPositive[k] < 1e-99};
}

// One pass over the set on every core, each value scaled as its column shows it.
FieldExtents MeasureSet(const ParticleSet& set, const FieldValues& scales) {
    const auto count = static_cast<std::size_t>(std::max(set.count, 0));
    const std::vector<IndexRun> runs = SplitIntoRuns(count);
    std::vector<FieldExtents> parts(runs.size());
    ForEachRun(runs, [&](IndexRun run, std::size_t k) {
        FieldExtents extents;
        for (std::size_t i = run.begin + 1; i <= run.end; ++i) {
            FieldValues values = FieldValuesOf(set.records[i]);
            for (std::size_t f = 0; f < kRecordFields; ++f) values[f] *= scales[f];
            extents.take(values);
        }
        parts[k] = extents;
    });
    FieldExtents all;
    for (const FieldExtents& part : parts) all.take(part);
    return all;
}

std::string WidestText(const DataColumn& column, const ColumnExtent& extent, int count) {
    if (column.format == CellFormat::Index) return std::string(std::to_string(std::max(count, 1)).size(), '8');
    const std::string sign = extent.negative ? "-" : "";
    const std::string exponent = extent.longExponent ? "E+888" : "E+88";
    switch (column.format) {
        case CellFormat::Exponent6: return sign + "8.888888" + exponent;
        case CellFormat::Exponent10: return sign + "8.8888888888" + exponent;
        case CellFormat::Fixed7:
        case CellFormat::Fixed10: {
            char whole[400];
            std::snprintf(whole, sizeof whole, "%.0f", std::floor(extent.largest));
            const std::size_t decimals = column.format == CellFormat::Fixed7 ? 7 : 10;
            return sign + std::string(std::string(whole).size(), '8') + "." + std::string(decimals, '8');
        }
        case CellFormat::Index: break;
    }
    return sign;
}

}  // namespace

std::vector<std::string> WidestDataCells(std::span<const DataColumn> columns, const ParticleSet& set) {
    FieldValues scales;
    scales.fill(1.0);
    for (const DataColumn& column : columns)
        if (column.field != nullptr) scales[FieldIndexOf(column.field)] = column.scale;
    // The reader's extents hold the values as stored: they serve unscaled columns.
    const bool unscaled = std::all_of(scales.begin(), scales.end(), [](double s) { return s == 1.0; });
    const FieldExtents extents = unscaled && set.readExtents ? *set.readExtents : MeasureSet(set, scales);
    std::vector<std::string> widest;
    for (const DataColumn& column : columns) {
        const ColumnExtent extent = column.field ? ExtentOf(extents, FieldIndexOf(column.field)) : ColumnExtent{};
        widest.push_back(WidestText(column, extent, set.count));
    }
    return widest;
}

std::string WidestDataCell(const DataColumn& column, const ParticleSet& set) {
    return WidestDataCells({&column, 1}, set).front();
}

char* AppendDataCell(char* out, const DataColumn& column, const ParticleSet& set, int index) {
    if (column.format == CellFormat::Index) return AppendInt(out, index);
    const double value = set.record(index).*column.field * column.scale;
    switch (column.format) {
        case CellFormat::Exponent6: return AppendExponentFast(out, value, 6);
        case CellFormat::Fixed7: return AppendFixedFast(out, value, 7);
        case CellFormat::Exponent10: return AppendExponentFast(out, value, 10);
        default: break;
    }
    return out;
}

PreviewTable::PreviewTable(const ParticleSet& set, SourceKind kind) : set_(&set), columns_(DataColumnsFor(kind)) {
    for (const DataColumn& column : columns_) titles_.emplace_back(column.title);
}

std::string PreviewTable::widestCell(int column) const {
    if (widest_.empty()) widest_ = WidestDataCells(columns_, *set_);
    return widest_[static_cast<std::size_t>(column)];
}

char* PreviewTable::appendCell(char* out, int ion, int column) const {
    return AppendDataCell(out, columns_[static_cast<std::size_t>(column)], *set_, ion);
}

}  // namespace zelkor
