#pragma once

#include "data/particle_set.hpp"
#include "data/source_kind.hpp"
#include "optics/transfer_matrix.hpp"
#include "widgets/cell_text_source.hpp"

#include <QAbstractTableModel>

namespace zelkor {

// strgTransform's content: every ion's old and new co-ordinates, computed and
// formatted when the view (or Copy) asks for a cell. The model keeps the
// matrix of the last "Calculate" and a view of the set, never the texts.
// Grid row i (1..count) is model row i - 1; the title row is the header.
class TransformModel : public QAbstractTableModel, public CellTextSource {
    Q_OBJECT
public:
    explicit TransformModel(QObject* parent = nullptr);

    // The set must outlive the listing or be followed by clear().
    void list(const ParticleSet& set, SourceKind kind, const TransferMatrix& matrix);
    // Forgets the set (before it is replaced).
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void appendCell(std::string& out, int row, int column) const override;
    void appendRows(QByteArray& out, const GridRect& rect, Progress& progress) const override;

private:
    std::string cell(int row, int column) const;

    const ParticleSet* set_ = nullptr;
    bool holdsSlopes_ = false;
    TransferMatrix matrix_{};
    int rows_ = 0;
};

}  // namespace zelkor
