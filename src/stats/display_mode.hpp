#pragma once

namespace zelkor {

// What stretch of a page's quantity the histogram covers.
enum class DisplayMode { Whole = 0, Filtered = 1, Zoom = 2 };

} // namespace zelkor
