#pragma once

#include "data/source_kind.hpp"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zelkor {

// The short words scripts name the kinds by: "transmit", "trim", "pnt".
std::optional<SourceKind> SourceKindFromWord(std::string_view word);
// The word of a kind; empty for None.
std::string_view SourceKindWord(SourceKind kind);
// The kind a file's extension suggests (.txt, .dat, .pnt, any letter case).
std::optional<SourceKind> SourceKindFromExtension(const std::filesystem::path& path);

}  // namespace zelkor
