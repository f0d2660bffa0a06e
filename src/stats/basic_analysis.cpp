#include "stats/basic_analysis.hpp"

#include "stats/availability.hpp"
#include "stats/kernels.hpp"
#include "stats/page_quantity.hpp"

namespace zelkor {

Checked<AnalysisReport> BasicAnalysis(const AppState& state, const ParticleSet& set, StatPage page,
                                      Progress& progress) {
    if (auto refusal = CheckAvailability(page, state, set)) return Checked<AnalysisReport>::Refused(*refusal);
    const QuantitySelection selection = SelectionFor(state, page);
    AnalysisReport report;
    report.summary = SummarizeAll(set, selection, progress);
    report.rows = BuildReportRows(page, report.summary, selection.quantity, selection.unitCode);
    return Checked<AnalysisReport>::Ok(std::move(report));
}

}  // namespace zelkor
