#include "tables/ion_grid_table.hpp"

#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"

namespace zelkor {

char* AppendFormatted(char* out, CellFormat format, double value) {
    switch (format) {
        case CellFormat::Index: return AppendInt(out, static_cast<int>(value));
        case CellFormat::Exponent6: return AppendExponentFast(out, value, 6);
        case CellFormat::Fixed7: return AppendFixedFast(out, value, 7);
        case CellFormat::Fixed10: return AppendFixedFast(out, value, 10);
        case CellFormat::Exponent10: return AppendExponentFast(out, value, 10);
    }
    return out;
}

std::string CellText(const IonGridTable& table, int ion, int column) {
    char buffer[kMaxNumberChars];
    const char* end = table.appendCell(buffer, ion, column);
    return std::string(buffer, static_cast<std::size_t>(end - buffer));
}

std::string IonGridTable::widestCell(int column) const {
    switch (format(column)) {
        case CellFormat::Index: return std::string(std::to_string(rows() > 10 ? rows() : 10).size(), '8');
        case CellFormat::Exponent6: return "-8.888888E+88";
        // Angles reach 180 degrees, or 3141 mrad.
        case CellFormat::Fixed7: return "-888.8888888";
        case CellFormat::Fixed10: return "-8888.8888888888";
        case CellFormat::Exponent10: return "-8.8888888888E+88";
    }
    return {};
}

}  // namespace zelkor
