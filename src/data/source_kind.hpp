#pragma once

#include <string_view>

namespace zelkor {

// Which reader produced the current set, and therefore what its fields mean.
enum class SourceKind { None, TransmitTxt, TrimDat, WinAgile };

std::string_view SourceKindName(SourceKind kind);

}  // namespace zelkor
