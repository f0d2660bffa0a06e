#pragma once

#include "state/quantity_id.hpp"
#include "state/stat_page.hpp"

#include <array>
#include <string_view>

namespace zelkor {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// How the windows of the four statistics pages differ: the controls' object
// names, captions, colours, column widths and chart formats, and what the
// page shows at start. (What the core computes differently is in
// stats/page_description.hpp.)
struct PageLook {
    char suffix = 'E';  // E, M, P, A at the end of the page's control names ("btnDefaultE")
    QuantityId startQuantity = QuantityId::KinEnerg;
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

    // Histogram table.
    std::string_view dataGrid;
    std::array<int, 3> dataColumnWidths{};
    Rgb dataHeaderColour;

    // Histogram graph.
    std::string_view chart;
    std::string_view barSeries;
    Rgb barColour;
    Rgb gradientEndColour;
    std::string_view countAxisFormat;
    bool graphClearsSelection = true;  // the momentum graph leaves grid selections alone
};

const PageLook& LookOfPage(StatPage page);

}  // namespace zelkor
