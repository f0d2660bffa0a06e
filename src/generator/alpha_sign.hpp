#pragma once

#include <optional>
#include <string_view>

namespace zelkor {

// The items of the sign_alpha lists, in list order; no selection is nullopt.
enum class AlphaSign { Plus = 0, Minus = 1 };

inline int SignValue(AlphaSign sign) { return sign == AlphaSign::Plus ? 1 : -1; }

// "PLUS" or "MINUS" as the list shows them; anything else is no item.
inline std::optional<AlphaSign> AlphaSignFromText(std::string_view text) {
    if (text == "PLUS") return AlphaSign::Plus;
    if (text == "MINUS") return AlphaSign::Minus;
    return std::nullopt;
}

}  // namespace zelkor
