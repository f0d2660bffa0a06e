#pragma once

#include "data/particle_set.hpp"
#include "data/source_kind.hpp"
#include "tables/ion_grid_table.hpp"

#include <span>
#include <string>
#include <vector>

namespace zelkor {

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
// The same for every column, from one pass over the set on every core.
std::vector<std::string> WidestDataCells(std::span<const DataColumn> columns, const ParticleSet& set);

// Writes the cell of ion index (1..count) at out; at most kMaxNumberChars characters.
char* AppendDataCell(char* out, const DataColumn& column, const ParticleSet& set, int index);

// Preview: the file's values of every ion in the columns of the kind.
class PreviewTable : public IonGridTable {
public:
    PreviewTable(const ParticleSet& set, SourceKind kind);

    int rows() const override { return set_->count; }
    int columns() const override { return static_cast<int>(columns_.size()); }
    const std::string& title(int column) const override { return titles_[static_cast<std::size_t>(column)]; }
    CellFormat format(int column) const override { return columns_[static_cast<std::size_t>(column)].format; }
    char* appendCell(char* out, int ion, int column) const override;
    // All columns are measured at the first call, in one pass.
    std::string widestCell(int column) const override;

private:
    const ParticleSet* set_;
    std::span<const DataColumn> columns_;
    std::vector<std::string> titles_;
    mutable std::vector<std::string> widest_;
};

}  // namespace zelkor
