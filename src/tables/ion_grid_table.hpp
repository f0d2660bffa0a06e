#pragma once

#include <string>

namespace zelkor {

// How a cell of a per-ion table is written.
enum class CellFormat {
    Index,       // "%d" of the ion index
    Exponent6,   // "%lE"
    Fixed7,      // "%.7lf"
    Fixed10,     // "%.10lf"
    Exponent10,  // "%.10lE"
};

// A table of the data-processing grid with one row per ion (1..rows()).
// Cells are made when asked for, so a table of millions of ions holds no
// texts; the titles are UTF-8.
class IonGridTable {
public:
    virtual ~IonGridTable() = default;

    virtual int rows() const = 0;
    virtual int columns() const = 0;
    virtual const std::string& title(int column) const = 0;
    virtual CellFormat format(int column) const = 0;
    // Writes the cell of ion (1..rows()) at out: at most kMaxNumberChars characters.
    virtual char* appendCell(char* out, int ion, int column) const = 0;
    // The widest text the column may show, in digits of 8, to size it
    // without formatting every cell; by default the widest its format gives.
    virtual std::string widestCell(int column) const;
};

// The value written in the format (the ion index for Index).
char* AppendFormatted(char* out, CellFormat format, double value);

std::string CellText(const IonGridTable& table, int ion, int column);

}  // namespace zelkor
