#pragma once

#include "data/particle_set.hpp"
#include "data/source_kind.hpp"

#include <span>
#include <string>

namespace zelkor {

enum class CellFormat {
    Index,       // "%d" of the ion index
    Exponent6,   // "%lE"
    Fixed7,      // "%.7lf"
    Exponent10,  // "%.10lE"
};

// One column of the data-processing grid: its title and how a record's cell is made.
struct DataColumn {
    const char* title;
    double ParticleRecord::*field;  // null for the index column
    double scale;                   // the stored value is multiplied by it before formatting
    CellFormat format;
};

// Preview's columns: eight for TRANSMIT.TXT and TRIM.DAT sets, six for a
// WinAGILE set (metres, slopes and dp/p in percent); none without a set.
std::span<const DataColumn> DataColumnsFor(SourceKind kind);

// The widest text the column's format gives for this set, in digits of 8:
// a sign only where a value is negative, a third exponent digit only where
// one needs it. Sizes the column without formatting every cell.
std::string WidestDataCell(const DataColumn& column, const ParticleSet& set);

// Writes the cell of ion index (1..count) at out; at most kMaxNumberChars characters.
char* AppendDataCell(char* out, const DataColumn& column, const ParticleSet& set, int index);

} // namespace zelkor
