#include "data/ui/data_grid_model.hpp"

#include "io/printf_format.hpp"

namespace zelkor {

DataGridModel::DataGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataGridModel::preview(const ParticleSet& set, SourceKind kind) {
    beginResetModel();
    set_ = &set;
    columns_ = DataColumnsFor(kind);
    rows_ = set.count;
    endResetModel();
}

void DataGridModel::clear() {
    beginResetModel();
    set_ = nullptr;
    columns_ = {};
    rows_ = 0;
    endResetModel();
}

int DataGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int DataGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    return cellText(index.row() + 1, index.column());
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromLatin1(columns_[static_cast<std::size_t>(section)].title);
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void DataGridModel::appendCell(std::string& out, int row, int column) const {
    char buffer[kMaxNumberChars];
    const char* end = AppendDataCell(buffer, columns_[static_cast<std::size_t>(column)], *set_, row);
    out.append(buffer, static_cast<std::size_t>(end - buffer));
}

QString DataGridModel::cellText(int row, int column) const {
    char buffer[kMaxNumberChars];
    const char* end = AppendDataCell(buffer, columns_[static_cast<std::size_t>(column)], *set_, row);
    return QString::fromLatin1(buffer, end - buffer);
}

} // namespace zelkor
