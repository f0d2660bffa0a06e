#pragma once

#include "runs/run_summary.hpp"
#include "widgets/cell_text_source.hpp"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace zelkor {

// The rows of the Compare Runs window in the columns of the summary table,
// the texts formatted once as the batch tool's text table writes them. The
// header is grid row 0 for the Edit commands.
class RunTableModel : public QAbstractTableModel, public CellTextSource {
    Q_OBJECT
public:
    explicit RunTableModel(QObject* parent);

    void append(const RunSummary& row);
    const std::vector<RunSummary>& summaries() const { return summaries_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void appendCell(std::string& out, int row, int column) const override;

private:
    std::vector<std::string> titles_;
    std::vector<RunSummary> summaries_;
    std::vector<std::vector<std::string>> texts_;
};

}  // namespace zelkor
