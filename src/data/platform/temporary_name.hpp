#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zelkor::platform {

// The file a symbolic link points to, so that replacing it keeps the link.
// A dangling link is followed too: its target is created.
std::filesystem::path ResolveLink(const std::filesystem::path& target);

// A fresh name for a temporary file in target's folder: the target's name
// (cut so that the whole stays within 255 bytes), a point and six random
// letters or digits.
std::filesystem::path TemporaryNeighbour(const std::filesystem::path& target, std::uint64_t processId);

}  // namespace zelkor::platform
