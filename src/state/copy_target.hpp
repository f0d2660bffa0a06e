#pragma once

namespace zelkor {

// The values of AppState::copyTarget: which grid Edit > Copy reads. Stored
// and compared as plain ints; these are the only place the numbers appear.
namespace copy_target {
inline constexpr int kNone = 0;
inline constexpr int kDataProc = 1;
inline constexpr int kPoData = 2;
inline constexpr int kEnData = 3;
inline constexpr int kAnData = 4;
inline constexpr int kMoData = 5;
inline constexpr int kPoAnalys = 6;
inline constexpr int kEnAnalys = 7;
inline constexpr int kMomAnalys = 8;
inline constexpr int kAnAnalys = 9;
inline constexpr int kTransform = 10;

inline constexpr bool IsAnalysis(int target) { return target >= kPoAnalys && target <= kAnAnalys; }
}  // namespace copy_target

}  // namespace zelkor
