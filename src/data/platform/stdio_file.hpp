#pragma once

#include <cstdio>
#include <filesystem>

namespace zelkor::platform {

// std::fopen of a path, whose name on Windows only the wide call takes whole.
std::FILE* OpenStdioFile(const std::filesystem::path& path, const char* mode);

}  // namespace zelkor::platform
