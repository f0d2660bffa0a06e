#include "data/platform/stdio_file.hpp"

namespace zelkor::platform {

std::FILE* OpenStdioFile(const std::filesystem::path& path, const char* mode) { return std::fopen(path.c_str(), mode); }

}  // namespace zelkor::platform
