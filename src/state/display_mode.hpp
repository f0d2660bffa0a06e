#pragma once

#include <optional>
#include <string_view>

namespace zelkor {

// What stretch of a page's quantity the histogram covers.
enum class DisplayMode { Whole = 0, Filtered = 1, Zoom = 2 };

// The words scripts name the modes by: "whole", "filtered", "zoom".
inline std::optional<DisplayMode> DisplayModeFromWord(std::string_view word) {
    if (word == "whole") return DisplayMode::Whole;
    if (word == "filtered") return DisplayMode::Filtered;
    if (word == "zoom") return DisplayMode::Zoom;
    return std::nullopt;
}

}  // namespace zelkor
