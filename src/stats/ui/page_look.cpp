#include "stats/ui/page_look.hpp"

namespace zelkor {
namespace {

constexpr Rgb kSkyBlue{166, 202, 240};
constexpr Rgb kMoneyGreen{192, 220, 192};

constexpr std::array<PageLook, kStatPageCount> kLooks = {{
    {
        .suffix = 'E',
        .startQuantity = QuantityId::KinEnerg,
        .startRangeLabel = "Range of Interval [eV]",
        .analysisClass = "TEnAnalys",
        .analysisTitle = "Energy Analysis",
        .analysisGrid = "strgEnAnalys",
        .statusLabel = "lblStatusEnA",
        .rejectionLabel = "lblParRejectEnA",
        .closeButton = "btnCloseEnA",
        .okButton = "btnOkEnA",
        .cancelButton = "btnCancelEnA",
        .analysisGridColour = kSkyBlue,
        .dataGrid = "strgEnData",
        .dataColumnWidths = {80, 187, 120},
        .dataHeaderColour = kSkyBlue,
        .chart = "graphE",
        .barSeries = "Series1",
        .barColour = {255, 0, 0},
        .gradientEndColour = {255, 255, 81},
        .countAxisFormat = "###0.###",
        .graphClearsSelection = true,
    },
    {
        .suffix = 'M',
        .startQuantity = QuantityId::Mom,
        .startRangeLabel = "Range of Interval [eV/c]",
        .analysisClass = "TMomAnalys",
        .analysisTitle = "Momentum Analysis",
        .analysisGrid = "strgMomAnalys",
        .statusLabel = "lblStatusMoA",
        .rejectionLabel = "lblParRejectMoA",
        .closeButton = "btnCloseMoA",
        .okButton = "btnOkMoA",
        .cancelButton = "btnCancelMoA",
        .analysisGridColour = kMoneyGreen,
        .dataGrid = "strgMoData",
        .dataColumnWidths = {67, 207, 113},
        .dataHeaderColour = kMoneyGreen,
        .chart = "graphM",
        .barSeries = "Series2",
        .barColour = {128, 0, 255},
        .gradientEndColour = {255, 211, 81},
        .countAxisFormat = "###0.##",
        .graphClearsSelection = false,
    },
    {
        .suffix = 'P',
        .startQuantity = QuantityId::PosY,
        .startRangeLabel = "Range of Interval [A]",
        .analysisClass = "TPosAnalys",
        .analysisTitle = "PosAnalys",
        .analysisGrid = "strgPoAnalys",
        .statusLabel = "lblStatusPoA",
        .rejectionLabel = "lblParRejectPoA",
        .closeButton = "btnClosePoA",
        .okButton = "btnOkPoA",
        .cancelButton = "btnCancelPoA",
        .analysisGridColour = kSkyBlue,
        .dataGrid = "strgPoData",
        .dataColumnWidths = {80, 187, 120},
        .dataHeaderColour = kSkyBlue,
        .chart = "graphP",
        .barSeries = "Series4",
        .barColour = {0, 255, 0},
        .gradientEndColour = {255, 169, 83},
        .countAxisFormat = "###0.##",
        .graphClearsSelection = true,
    },
    {
        .suffix = 'A',
        .startQuantity = QuantityId::AngX,
        .startRangeLabel = "Range of Interval [deg]",
        .analysisClass = "TAngAnalys",
        .analysisTitle = "Angles Analysis",
        .analysisGrid = "strgAnAnalys",
        .statusLabel = "lblStatusAnA",
        .rejectionLabel = "lblParRejectAnA",
        .closeButton = "btnCloseAnA",
        .okButton = "btnOkAnA",
        .cancelButton = "btnCancelAnA",
        .analysisGridColour = kMoneyGreen,
        .dataGrid = "strgAnData",
        .dataColumnWidths = {80, 187, 120},
        .dataHeaderColour = kMoneyGreen,
        .chart = "graphA",
        .barSeries = "Series3",
        .barColour = {0, 0, 255},
        .gradientEndColour = {255, 154, 94},
        .countAxisFormat = "###0.##",
        .graphClearsSelection = true,
    },
}};

}  // namespace

const PageLook& LookOfPage(StatPage page) {
    const auto index = static_cast<std::size_t>(page);
    return kLooks[index < kLooks.size() ? index : 0];
}

}  // namespace zelkor
