#pragma once

namespace zelkor {

// Where a histogram goes: the "Data" table or the "Graph" chart. The two run
// the same computation and differ only in a few message wordings.
enum class HistogramView { Table = 0, Graph = 1 };

}  // namespace zelkor
