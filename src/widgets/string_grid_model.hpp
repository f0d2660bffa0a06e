#pragma once

#include "widgets/cell_text_source.hpp"

#include <QAbstractTableModel>
#include <QColor>

#include <map>
#include <string>
#include <vector>

namespace zelkor {

// The small grids of the statistics pages (histogram tables, analysis rows)
// and of Compare Runs: they hold their few thousand texts as strings. With a title row, the view's
// horizontal header shows it and grid row r is model row r - 1.
class StringGridModel : public QAbstractTableModel, public CellTextSource {
    Q_OBJECT
public:
    StringGridModel(int columnCount, bool titleRow, QObject* parent);

    void setTitles(std::vector<std::string> titles);
    void setRows(std::vector<std::vector<std::string>> rows);
    // One more row at the end; a selection of the rows above stays.
    void appendRow(std::vector<std::string> row);
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }
    // The tooltip of every cell of a model row.
    void setRowToolTip(int row, std::string tip) { rowTips_[row] = std::move(tip); }
    // The text colour of every cell of a model row.
    void setRowColour(int row, QColor colour) { rowColours_[row] = colour; }
    // The text of a model cell, empty outside the rows written.
    const std::string& text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void appendCell(std::string& out, int row, int column) const override;

private:
    int columnCount_;
    bool titleRow_;
    std::vector<std::string> titles_;
    std::vector<std::vector<std::string>> rows_;
    std::map<int, std::string> rowTips_;
    std::map<int, QColor> rowColours_;
};

}  // namespace zelkor
