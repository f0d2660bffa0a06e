#include "optics/ui/transform_model.hpp"

#include "optics/phase_space.hpp"
#include "optics/transform_listing.hpp"
#include "io/printf_format.hpp"
#include "widgets/clipboard_text.hpp"

namespace zelkor {

TransformModel::TransformModel(QObject* parent) : QAbstractTableModel(parent) {}

void TransformModel::list(const ParticleSet& set, SourceKind kind, const TransferMatrix& matrix) {
    beginResetModel();
    set_ = &set;
    holdsSlopes_ = HoldsSlopes(kind);
    matrix_ = matrix;
    rows_ = set.count;
    endResetModel();
}

void TransformModel::clear() {
    beginResetModel();
    set_ = nullptr;
    rows_ = 0;
    endResetModel();
}

int TransformModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TransformModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kTransformHeaders.size());
}

std::string TransformModel::cell(int row, int column) const {
    if (!set_ || row < 1 || row > rows_ || column < 0 || column >= columnCount()) return {};
    return TransformCell(row, TransformOf(set_->record(row), holdsSlopes_, matrix_), column);
}

QVariant TransformModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    return QString::fromStdString(cell(index.row() + 1, index.column()));
}

QVariant TransformModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromLatin1(kTransformHeaders[static_cast<std::size_t>(section)]);
}

Qt::ItemFlags TransformModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void TransformModel::appendCell(std::string& out, int row, int column) const {
    if (row == 0) {
        if (column >= 0 && column < columnCount()) out += kTransformHeaders[static_cast<std::size_t>(column)];
        return;
    }
    out += cell(row, column);
}

}  // namespace zelkor

namespace zelkor {

// Each row's transform computed once for all its cells.
void TransformModel::appendRows(QByteArray& out, const GridRect& rect, Progress& progress) const {
    if (!set_ || rect.top < 1 || rect.bottom > rows_ || rect.left < 0 || rect.right >= columnCount())
        return CellTextSource::appendRows(out, rect, progress);
    const auto formatRow = [this, &rect](char* end, int row) {
        end = AppendTransformCells(end, row, TransformOf(set_->record(row), holdsSlopes_, matrix_), rect.left,
                                   rect.right);
        *end++ = '\r';
        *end++ = '\n';
        return end;
    };
    AppendRowsInBlocks(out, rect, kTransformHeaders.size() * (kMaxNumberChars + 1) + 2, formatRow, progress);
}

}  // namespace zelkor
