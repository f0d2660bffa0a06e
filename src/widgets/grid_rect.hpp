#pragma once

namespace zelkor {

// A range selection of a grid in the grid's own co-ordinates (row 0 is the
// title row of a grid that has one), inclusive; -1 everywhere means no cell.
struct GridRect {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    bool empty() const { return left < 0 || top < 0 || right < left || bottom < top; }
    bool operator==(const GridRect&) const = default;
};

inline constexpr GridRect kNoCell{};

}  // namespace zelkor
