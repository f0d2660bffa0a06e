#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zelkor::platform {

// Paths travel through the core as UTF-8 text; a std::filesystem::path made
// from a char string would take the system's code page on Windows instead.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace zelkor::platform
