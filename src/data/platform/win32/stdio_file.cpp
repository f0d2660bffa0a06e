#include "data/platform/stdio_file.hpp"

#include <string>

namespace zelkor::platform {

std::FILE* OpenStdioFile(const std::filesystem::path& path, const char* mode) {
    const std::string narrow(mode);
    return _wfopen(path.c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
}

}  // namespace zelkor::platform
