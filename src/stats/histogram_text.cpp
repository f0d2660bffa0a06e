#include "stats/histogram_text.hpp"

#include "stats/page_description.hpp"
#include "stats/quantity.hpp"

#include <string_view>

namespace zelkor {
namespace {

struct QuantityCaptions {
    std::string_view interval;
    std::string_view axis;
};

QuantityCaptions Captions(QuantityId quantity) {
    switch (quantity) {
        case QuantityId::KinEnerg: return {"Kin. Energy", "Kinetic Energy"};
        case QuantityId::EnergA: return {"Energy/A", "Energy/A"};
        case QuantityId::Energamu: return {"Energy/amu", "Energy/amu"};
        case QuantityId::Mom: return {"Momentum", "Momentum"};
        case QuantityId::PosY: return {"Y", "Y"};
        case QuantityId::PosZ: return {"Z", "Z"};
        case QuantityId::PosabsY: return {"|Y|", "|Y|"};
        case QuantityId::PosabsZ: return {"|Z|", "|Z|"};
        case QuantityId::PosYZ: return {"(Y^2 + Z^2)^1/2", "(Y^2 + Z^2)^1/2"};
        case QuantityId::AngX: return {"ang X", "angle X"};
        case QuantityId::AngY: return {"ang Y", "angle Y"};
        case QuantityId::AngZ: return {"ang Z", "angle Z"};
        case QuantityId::dYdX: return {"dY/dX", "dY/dX"};
        case QuantityId::dZdX: return {"dZ/dX", "dZ/dX"};
    }
    return {"", ""};
}

std::string Bracketed(QuantityId quantity, int unitCode) {
    return " [" + std::string(UnitSymbol(quantity, unitCode)) + "]";
}

// Visits e(k) for k = 1..N, each edge the previous one plus w.
template <typename F>
void ForEachEdge(const Histogram& histogram, F&& f) {
    double edge = histogram.start;
    for (int k = 1; k <= histogram.intervalCount; ++k) {
        f(k, edge);
        edge += histogram.width;
    }
}

int CountOf(const Histogram& histogram, int k) {
    const auto index = static_cast<std::size_t>(k - 1);
    return index < histogram.counts.size() ? histogram.counts[index] : 0;
}

}  // namespace

std::string IntervalColumnCaption(QuantityId quantity, int unitCode) {
    return " Interval " + std::string(Captions(quantity).interval) + Bracketed(quantity, unitCode);
}

std::string QuantityAxisCaption(QuantityId quantity, int unitCode) {
    return std::string(Captions(quantity).axis) + Bracketed(quantity, unitCode);
}

std::string IntervalText(StatPage page, double edge, double width) {
    const NumberFormat format = DescribePage(page).intervalFormat;
    std::string text = "<";
    AppendNumber(text, format, edge);
    text += ", ";
    AppendNumber(text, format, edge + width);
    text += ")";
    return text;
}

std::string BarLabel(StatPage page, double edge, double width) {
    return FormatNumber(DescribePage(page).barLabelFormat, (edge + (edge + width)) * 0.5);
}

HistogramTable BuildHistogramTable(StatPage page, QuantityId quantity, int unitCode, const Histogram& histogram) {
    HistogramTable table;
    table.header = {" Order", IntervalColumnCaption(quantity, unitCode), " Number of ions"};
    table.rows.reserve(static_cast<std::size_t>(histogram.intervalCount > 0 ? histogram.intervalCount : 0));
    ForEachEdge(histogram, [&](int k, double edge) {
        table.rows.push_back(
            {std::to_string(k), IntervalText(page, edge, histogram.width), std::to_string(CountOf(histogram, k))});
    });
    return table;
}

HistogramBars BuildHistogramBars(StatPage page, QuantityId quantity, int unitCode, const Histogram& histogram) {
    HistogramBars result;
    result.axisCaption = QuantityAxisCaption(quantity, unitCode);
    result.bars.reserve(static_cast<std::size_t>(histogram.intervalCount > 0 ? histogram.intervalCount : 0));
    ForEachEdge(histogram, [&](int k, double edge) {
        result.bars.push_back({CountOf(histogram, k), BarLabel(page, edge, histogram.width)});
    });
    return result;
}

}  // namespace zelkor
