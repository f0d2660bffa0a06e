#include "stats/filter_spectrum.hpp"

#include "stats/availability.hpp"
#include "stats/kernels.hpp"
#include "stats/page_quantity.hpp"
#include "stats/sigma_filter.hpp"
#include "stats/sigma_multiplier.hpp"
#include "stats/value_column.hpp"

namespace zelkor {

Checked<FilterRun> FilterSpectrum(const AppState& state, ParticleSet& set, StatPage page, bool xSigmaChecked,
                                  std::string_view multiplierText, Progress& progress) {
    // The filter and both reports read one evaluation of the quantity.
    const ReuseColumns reuse;
    using Result = Checked<FilterRun>;
    if (auto refusal = CheckAvailability(page, state, set)) return Result::Refused(*refusal);
    const QuantitySelection selection = SelectionFor(state, page);
    FilterRun run;
    run.count = set.count;
    if (!xSigmaChecked) {
        run.summary = SummarizeAll(set, selection, progress);
        run.rows = BuildReportRows(page, run.summary, selection.quantity, selection.unitCode,
                                   page == StatPage::Position ? LabelSpelling::Compact : LabelSpelling::Standard);
        run.rejectionLine = RejectionLine(0, set.count);
        run.statusText = kNoFilterText;
        return Result::Ok(std::move(run));
    }
    const Checked<double> n = ValidateSigmaMultiplier(multiplierText);
    if (!n.ok()) return Result::Refused(*n.refusal);
    run.filtered = true;
    run.multiplier = *n.value;
    ApplySigmaFilter(set, selection, run.multiplier, progress);
    const StatSummary accepted = SummarizeAccepted(set, selection, progress);
    if (accepted.mean == 0.0 || accepted.dispersion == 0.0) {
        run.tooLow = ErrorMessage("Value sigma multiplier is too low");
    } else {
        run.summary = accepted;
        run.rows = BuildReportRows(page, accepted, selection.quantity, selection.unitCode);
    }
    run.rejected = CountRejected(set);
    run.rejectionLine = RejectionLine(run.rejected, set.count);
    run.statusText = FilterStatusText(run.multiplier);
    return Result::Ok(std::move(run));
}

std::string CommitFilter(AppState& state, StatPage page, std::string_view multiplierText, double runMultiplier) {
    const Checked<double> edited = ValidateSigmaMultiplier(multiplierText);
    SigmaFilterState& filter = state.filterOf(page);
    filter.active = true;
    filter.multiplier = edited.ok() ? *edited.value : runMultiplier;
    return FilterStatusText(filter.multiplier);
}

void CancelFilter(ParticleSet& set) { AcceptAll(set); }

void ClearFilter(AppState& state, ParticleSet& set, StatPage page) {
    AcceptAll(set);
    state.filterOf(page) = SigmaFilterState{};
}

void ApplyPageChange(const AppState& state, ParticleSet& set, StatPage shownPage, Progress& progress) {
    AcceptAll(set);
    const SigmaFilterState& energy = state.filterOf(StatPage::Energy);
    if (shownPage == StatPage::Energy && energy.active)
        ApplySigmaFilter(set, SelectionFor(state, StatPage::Energy), energy.multiplier, progress);
}

}  // namespace zelkor
