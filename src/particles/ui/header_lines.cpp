#include "particles/ui/header_lines.hpp"

#include "platform/stdio_file.hpp"

#include <cstdio>
#include <cstring>

namespace zelkor {

HeaderLines ReadHeaderLines(const std::filesystem::path& path, int lineCount) {
    HeaderLines result;
    std::FILE* file = platform::OpenStdioFile(path, "rb");
    if (!file) return result;
    result.opened = true;
    char buffer[1000];
    while (static_cast<int>(result.lines.size()) < lineCount && std::fgets(buffer, sizeof buffer, file)) {
        std::size_t length = std::strlen(buffer);
        if (length > 0 && buffer[length - 1] == '\n') --length;
        if (length > 0 && buffer[length - 1] == '\r') --length;
        result.lines.emplace_back(buffer, length);
    }
    if (std::fclose(file) != 0) result.closeFailure = ErrorMessage(kCannotCloseText);
    return result;
}

}  // namespace zelkor
