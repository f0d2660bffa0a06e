#pragma once

namespace zelkor {

// Which grid Edit > Copy reads (AppState::copyTarget): none, or one grid named
// as its component is.
enum class CopyTarget {
    None,
    DataProc,  // the "Data Processing" page
    PoData,    // the histogram tables of the four statistics pages
    EnData,
    AnData,
    MoData,
    PoAnalys,  // the grids of the four analysis windows
    EnAnalys,
    MomAnalys,
    AnAnalys,
    Transform,  // the "Transform" page
    EnMore,     // the "More statistics" grids of the four analysis windows
    MomMore,
    PoMore,
    AnMore,
};

constexpr bool IsMoreStatisticsGrid(CopyTarget target) {
    return target == CopyTarget::EnMore || target == CopyTarget::MomMore || target == CopyTarget::PoMore ||
           target == CopyTarget::AnMore;
}

// The analysis windows' grids copy their one column without the busy panel.
constexpr bool IsAnalysisGrid(CopyTarget target) {
    if (IsMoreStatisticsGrid(target)) return true;
    switch (target) {
        case CopyTarget::PoAnalys:
        case CopyTarget::EnAnalys:
        case CopyTarget::MomAnalys:
        case CopyTarget::AnAnalys: return true;
        default: return false;
    }
}

}  // namespace zelkor
