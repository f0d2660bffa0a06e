#include "particles/ui/data_grid_model.hpp"

#include "tables/data_grid_columns.hpp"
#include "io/printf_format.hpp"
#include "widgets/clipboard_text.hpp"

#include <utility>

namespace zelkor {

DataGridModel::DataGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataGridModel::show(std::shared_ptr<const IonGridTable> table) {
    beginResetModel();
    table_ = std::move(table);
    rows_ = table_ ? table_->rows() : 0;
    columns_ = table_ ? table_->columns() : 0;
    endResetModel();
}

void DataGridModel::preview(const ParticleSet& set, SourceKind kind) {
    show(std::make_shared<PreviewTable>(set, kind));
}

void DataGridModel::clear() { show(nullptr); }

int DataGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int DataGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant DataGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    return cellText(index.row() + 1, index.column());
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= columns_) return {};
    // Titles are UTF-8 ("µm").
    return QString::fromStdString(table_->title(section));
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void DataGridModel::appendCell(std::string& out, int row, int column) const {
    char buffer[kMaxNumberChars];
    const char* end = table_->appendCell(buffer, row, column);
    out.append(buffer, static_cast<std::size_t>(end - buffer));
}

void DataGridModel::appendRows(QByteArray& out, const GridRect& rect, Progress& progress) const {
    if (!table_ || rect.top < 1 || rect.bottom > rows_ || rect.left < 0 || rect.right >= columns_)
        return CellTextSource::appendRows(out, rect, progress);
    const IonGridTable& table = *table_;
    const auto columns = static_cast<std::size_t>(rect.right - rect.left + 1);
    const auto formatRow = [&table, &rect](char* end, int row) {
        for (int column = rect.left; column <= rect.right; ++column) {
            end = table.appendCell(end, row, column);
            *end++ = '\t';
        }
        *end++ = '\r';
        *end++ = '\n';
        return end;
    };
    AppendRowsInBlocks(out, rect, columns * (kMaxNumberChars + 1) + 2, formatRow, progress);
}

QString DataGridModel::cellText(int row, int column) const {
    char buffer[kMaxNumberChars];
    const char* end = table_->appendCell(buffer, row, column);
    return QString::fromLatin1(buffer, end - buffer);
}

}  // namespace zelkor
