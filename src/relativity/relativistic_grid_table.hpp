#pragma once

#include "relativity/relativistic_table.hpp"
#include "tables/ion_grid_table.hpp"

namespace zelkor {

// The relativistic table as the data-processing grid shows it.
class RelativisticGridTable : public IonGridTable {
public:
    RelativisticGridTable(const ParticleSet& set, RelativisticTable table);

    int rows() const override { return table_.rows; }
    int columns() const override { return static_cast<int>(table_.columns.size()); }
    const std::string& title(int column) const override { return table_.headers[static_cast<std::size_t>(column)]; }
    CellFormat format(int column) const override;
    char* appendCell(char* out, int ion, int column) const override;

private:
    const ParticleSet* set_;
    RelativisticTable table_;
};

}  // namespace zelkor
