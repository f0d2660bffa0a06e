#pragma once

#include "widgets/cell_text_source.hpp"
#include "data/ui/data_grid_columns.hpp"

#include <QAbstractTableModel>

namespace zelkor {

// strgDataProc's content: the ions of the previewed set, one row per ion, each
// cell formatted when the view (or Copy) asks for it. The model holds the
// column descriptions and a view of the set, never the texts. Grid row i
// (1..count) is model row i - 1; the grid's title row is the header.
class DataGridModel : public QAbstractTableModel, public CellTextSource {
    Q_OBJECT
public:
    explicit DataGridModel(QObject* parent = nullptr);

    // Preview: shows records 1..count of the set in the columns of the kind.
    // The set must outlive the preview or be followed by clear().
    void preview(const ParticleSet& set, SourceKind kind);
    // Forgets the set (before it is replaced).
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void appendCell(std::string& out, int row, int column) const override;
    // The cell at a grid row (1..count) and column.
    QString cellText(int row, int column) const;

private:
    const ParticleSet* set_ = nullptr;
    std::span<const DataColumn> columns_;
    int rows_ = 0;
};

} // namespace zelkor
