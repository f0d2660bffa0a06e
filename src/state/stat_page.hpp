#pragma once

namespace zelkor {

// The four statistics pages of the main window.
enum class StatPage { Energy = 0, Momentum = 1, Position = 2, Angle = 3 };

inline constexpr int kStatPageCount = 4;

}  // namespace zelkor
