#include "runs/ui/run_table_model.hpp"

#include "runs/run_table.hpp"

#include <QColor>

namespace zelkor {
namespace {

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

RunTableModel::RunTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (const RunColumn& column : RunSummaryColumns()) {
        std::string title(column.name);
        if (!column.unit.empty()) title += " [" + std::string(column.unit) + "]";
        titles_.push_back(std::move(title));
    }
}

void RunTableModel::append(const RunSummary& row) {
    const int at = static_cast<int>(summaries_.size());
    beginInsertRows({}, at, at);
    summaries_.push_back(row);
    std::vector<std::string> texts;
    for (const RunCell& cell : RunSummaryCells(row)) texts.push_back(RunCellText(cell));
    texts_.push_back(std::move(texts));
    endInsertRows();
}

int RunTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

int RunTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant RunTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    // A file that could not be read says why in every cell of its row, not
    // only in the last column.
    const RunSummary& summary = summaries_[static_cast<std::size_t>(index.row())];
    if (!summary.ok() && role == Qt::ForegroundRole) return QColor(128, 0, 0);
    if (!summary.ok() && role == Qt::ToolTipRole) return ToQString(summary.failure->text);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const auto& row = texts_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? ToQString(row[column]) : QString();
}

QVariant RunTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= static_cast<int>(titles_.size())) return {};
    return ToQString(titles_[static_cast<std::size_t>(section)]);
}

void RunTableModel::appendCell(std::string& out, int row, int column) const {
    if (column < 0 || column >= static_cast<int>(titles_.size())) return;
    if (row == 0) {
        out += titles_[static_cast<std::size_t>(column)];
        return;
    }
    if (row < 1 || row > static_cast<int>(texts_.size())) return;
    const auto& cells = texts_[static_cast<std::size_t>(row - 1)];
    if (static_cast<std::size_t>(column) < cells.size()) out += cells[static_cast<std::size_t>(column)];
}

}  // namespace zelkor
