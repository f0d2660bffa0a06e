#include "widgets/string_grid_model.hpp"

namespace zelkor {
namespace {

const std::string kEmpty;

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

StringGridModel::StringGridModel(int columnCount, bool titleRow, QObject* parent)
    : QAbstractTableModel(parent), columnCount_(columnCount), titleRow_(titleRow) {}

void StringGridModel::setTitles(std::vector<std::string> titles) {
    titles_ = std::move(titles);
    if (columnCount_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount_ - 1);
}

void StringGridModel::setRows(std::vector<std::vector<std::string>> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void StringGridModel::appendRow(std::vector<std::string> row) {
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
}

const std::string& StringGridModel::text(int row, int column) const {
    if (row < 0 || column < 0 || row >= static_cast<int>(rows_.size())) return kEmpty;
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    return column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)] : kEmpty;
}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StringGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columnCount_; }

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::ForegroundRole) {
        const auto colour = rowColours_.find(index.row());
        return colour != rowColours_.end() ? QVariant(colour->second) : QVariant();
    }
    // The tooltip gives the whole text of a cell too narrow to show it.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (role == Qt::ToolTipRole) {
        // A row's own tooltip says how its figure is found, after the text.
        const auto tip = rowTips_.find(index.row());
        // As rich text the tooltip wraps its long explanation.
        if (tip != rowTips_.end())
            return "<p>" + ToQString(text(index.row(), index.column())).toHtmlEscaped() + "</p><p>" +
                   ToQString(tip->second).toHtmlEscaped() + "</p>";
    }
    return ToQString(text(index.row(), index.column()));
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !titleRow_) return {};
    if (section < 0 || section >= static_cast<int>(titles_.size())) return QString();
    return ToQString(titles_[static_cast<std::size_t>(section)]);
}

void StringGridModel::appendCell(std::string& out, int row, int column) const {
    if (!titleRow_) {
        out += text(row, column);
    } else if (row == 0) {
        if (column >= 0 && column < static_cast<int>(titles_.size())) out += titles_[static_cast<std::size_t>(column)];
    } else {
        out += text(row - 1, column);
    }
}

}  // namespace zelkor
