#pragma once

namespace zelkor {

// The pages of the main window in their order.
enum class MainPage { DataProc, EnergStat, MomStat, PosStat, AngStat, Emitt, Trans };

inline constexpr int kMainPageCount = 7;

}  // namespace zelkor
