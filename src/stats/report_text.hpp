#pragma once

#include "state/quantity_id.hpp"
#include "state/stat_page.hpp"
#include "stats/stat_summary.hpp"

#include <array>
#include <string>

namespace zelkor {

inline constexpr const char* kNoFilterText = "No Filter";

// The seven rows of an analysis window.
using ReportRows = std::array<std::string, 7>;

// The position page's "No Filter" report writes "|Y|" and "|Z|" without the
// blanks every other report has ("| Y | ").
enum class LabelSpelling { Standard, Compact };

// Rows min, max, mean, max - min, dispersion, sigma, 3x sigma of a summary,
// numbers in the page's report format.
ReportRows BuildReportRows(StatPage page, const StatSummary& summary, QuantityId quantity, int unitCode,
                           LabelSpelling spelling = LabelSpelling::Standard);

// "Number of particles rejected: %d of %d".
std::string RejectionLine(int rejected, int count);

// The status of a committed filter: "%g x sigma".
std::string FilterStatusText(double multiplier);

}  // namespace zelkor
