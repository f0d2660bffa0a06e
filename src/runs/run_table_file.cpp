#include "io/atomic_file.hpp"
#include "io/write_pass.hpp"
#include "runs/run_table.hpp"

namespace zelkor {

std::optional<Message> SaveRunSummaryCsv(const std::filesystem::path& path, const std::vector<RunSummary>& rows) {
    AtomicFile file(path);
    if (file.failed()) return WriteFailureMessage(file.failed(), kCannotSaveText);
    file.append(RunSummaryTable(rows, RunTableFormat::Csv));
    return WriteFailureMessage(file.commit(), kCannotSaveText);
}

}  // namespace zelkor
