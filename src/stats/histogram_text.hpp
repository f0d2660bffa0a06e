#pragma once

#include "stats/histogram.hpp"
#include "state/quantity_id.hpp"
#include "state/stat_page.hpp"

#include <array>
#include <string>
#include <vector>

namespace zelkor {

using HistogramRow = std::array<std::string, 3>;

// What "Data" writes into the page's grid: the header row, then one row per
// interval (order number, interval text, count).
struct HistogramTable {
    HistogramRow header;
    std::vector<HistogramRow> rows;
};

// What "Graph" puts into the page's chart: one bar per interval, labelled with
// its centre, and the caption of the bottom axis.
struct HistogramBar {
    int count = 0;
    std::string label;
};
struct HistogramBars {
    std::string axisCaption;
    std::vector<HistogramBar> bars;
};

// " Interval Kin. Energy [keV]", " Interval |Z| [um]", " Interval dZ/dX [mrad]" ...
std::string IntervalColumnCaption(QuantityId quantity, int unitCode);
// "Kinetic Energy [eV]", "|Y| [A]", "angle X [deg]" ...
std::string QuantityAxisCaption(QuantityId quantity, int unitCode);

// "<%.3lE, %.3lE)" (or the page's own format) of an interval [edge, edge + w).
std::string IntervalText(StatPage page, double edge, double width);
// The page's bar-label format applied to the centre (e + (e + w)) * 0.5.
std::string BarLabel(StatPage page, double edge, double width);

HistogramTable BuildHistogramTable(StatPage page, QuantityId quantity, int unitCode, const Histogram& histogram);
HistogramBars BuildHistogramBars(StatPage page, QuantityId quantity, int unitCode, const Histogram& histogram);

}  // namespace zelkor
