#pragma once

#include "stats/histogram_view.hpp"
#include "stats/number_format.hpp"
#include "state/quantity_id.hpp"
#include "stats/sigma_multiplier.hpp"
#include "state/stat_page.hpp"

#include <array>
#include <string_view>

namespace zelkor {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Everything in which the four statistics pages differ, so that a window reads
// it instead of branching on the page.
struct PageDescription {
    StatPage page;
    char suffix;  // E, M, P, A at the end of the page's control names ("btnDefaultE")
    std::string_view tabCaption;
    QuantityId startQuantity;
    std::string_view startRangeLabel;  // caption of the interval-width edit at start (unit code 0)

    // Analysis window.
    std::string_view analysisClass;
    std::string_view analysisTitle;
    std::string_view analysisGrid;
    std::string_view statusLabel;
    std::string_view rejectionLabel;
    std::string_view closeButton;
    std::string_view okButton;
    std::string_view cancelButton;
    Rgb analysisGridColour;
    NumberFormat reportFormat;

    // Display range: what "Default" writes into the interval-width edit.
    NumberFormat defaultWidthFormat;

    // Histogram table.
    std::string_view dataGrid;
    std::array<int, 3> dataColumnWidths;
    int dataRowsAtStart;
    Rgb dataHeaderColour;
    NumberFormat intervalFormat;

    // Histogram graph.
    std::string_view chart;
    std::string_view barSeries;
    Rgb barColour;
    Rgb gradientEndColour;
    NumberFormat barLabelFormat;
    std::string_view countAxisFormat;
    std::string_view valueAxisFormat;
    bool graphClearsSelection;  // the momentum graph leaves grid selections alone

    // Message wordings that differ between pages and between table and graph.
    MultiplierWording graphZoomWording;
    std::array<std::string_view, 2> widthTooHighSubject;  // indexed by HistogramView
    std::array<std::string_view, 2> countTooLowSubject;
};

const PageDescription& DescribePage(StatPage page);

}  // namespace zelkor
