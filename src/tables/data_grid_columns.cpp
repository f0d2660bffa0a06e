#include "tables/data_grid_columns.hpp"

#include "io/printf_format.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

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

std::string WidestDataCell(const DataColumn& column, const ParticleSet& set) {
    if (column.format == CellFormat::Index) return std::string(std::to_string(std::max(set.count, 1)).size(), '8');
    bool negative = false;
    double largest = 0.0;
    bool longExponent = false;
    for (int i = 1; i <= set.count; ++i) {
        const double value = set.record(i).*column.field * column.scale;
        const double magnitude = std::fabs(value);
        negative = negative || std::signbit(value);
        largest = std::max(largest, magnitude);
        longExponent = longExponent || magnitude >= 1e100 || (magnitude > 0.0 && magnitude < 1e-99);
    }
    const std::string sign = negative ? "-" : "";
    const std::string exponent = longExponent ? "E+888" : "E+88";
    switch (column.format) {
        case CellFormat::Exponent6: return sign + "8.888888" + exponent;
        case CellFormat::Exponent10: return sign + "8.8888888888" + exponent;
        case CellFormat::Fixed7:
        case CellFormat::Fixed10: {
            char whole[400];
            std::snprintf(whole, sizeof whole, "%.0f", std::floor(largest));
            const std::size_t decimals = column.format == CellFormat::Fixed7 ? 7 : 10;
            return sign + std::string(std::string(whole).size(), '8') + "." + std::string(decimals, '8');
        }
        case CellFormat::Index: break;
    }
    return sign;
}

char* AppendDataCell(char* out, const DataColumn& column, const ParticleSet& set, int index) {
    if (column.format == CellFormat::Index) return AppendInt(out, index);
    const double value = set.record(index).*column.field * column.scale;
    switch (column.format) {
        case CellFormat::Exponent6: return AppendExponent(out, value, 6);
        case CellFormat::Fixed7: return AppendFixed(out, value, 7);
        case CellFormat::Exponent10: return AppendExponent(out, value, 10);
        default: break;
    }
    return out;
}

PreviewTable::PreviewTable(const ParticleSet& set, SourceKind kind) : set_(&set), columns_(DataColumnsFor(kind)) {
    for (const DataColumn& column : columns_) titles_.emplace_back(column.title);
}

char* PreviewTable::appendCell(char* out, int ion, int column) const {
    return AppendDataCell(out, columns_[static_cast<std::size_t>(column)], *set_, ion);
}

}  // namespace zelkor
