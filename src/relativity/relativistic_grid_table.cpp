#include "relativity/relativistic_grid_table.hpp"

#include <utility>

namespace zelkor {

RelativisticGridTable::RelativisticGridTable(const ParticleSet& set, RelativisticTable table)
    : set_(&set), table_(std::move(table)) {}

CellFormat RelativisticGridTable::format(int column) const {
    return table_.columns[static_cast<std::size_t>(column)] == RelativisticColumn::Ion ? CellFormat::Index
                                                                                       : CellFormat::Exponent6;
}

char* RelativisticGridTable::appendCell(char* out, int ion, int column) const {
    const auto c = static_cast<std::size_t>(column);
    if (table_.columns[c] == RelativisticColumn::Ion) return AppendFormatted(out, CellFormat::Index, ion);
    return AppendFormatted(out, CellFormat::Exponent6, table_.value(c, set_->record(ion)));
}

}  // namespace zelkor
