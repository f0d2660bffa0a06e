#pragma once

#include "widgets/cell_text_source.hpp"
#include "data/particle_set.hpp"
#include "data/source_kind.hpp"
#include "tables/ion_grid_table.hpp"

#include <QAbstractTableModel>

#include <memory>

namespace zelkor {

// strgDataProc's content: one of the per-ion tables (Preview, positions,
// angles, relativistic parameters), one row per ion, each cell formatted when
// the view (or Copy) asks for it. The model holds the table's description,
// never the texts. Grid row i (1..count) is model row i - 1; the grid's title
// row is the header.
class DataGridModel : public QAbstractTableModel, public CellTextSource {
    Q_OBJECT
public:
    explicit DataGridModel(QObject* parent = nullptr);

    // The table replaces what the grid showed. The set it reads must outlive
    // it or be followed by clear().
    void show(std::shared_ptr<const IonGridTable> table);
    // Preview: shows records 1..count of the set in the columns of the kind.
    void preview(const ParticleSet& set, SourceKind kind);
    // Forgets the table (before the set is replaced).
    void clear();
    const IonGridTable* table() const { return table_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void appendCell(std::string& out, int row, int column) const override;
    void appendRows(QByteArray& out, const GridRect& rect, Progress& progress) const override;
    // The cell at a grid row (1..count) and column.
    QString cellText(int row, int column) const;

private:
    std::shared_ptr<const IonGridTable> table_;
    int rows_ = 0;
    int columns_ = 0;
};

}  // namespace zelkor
