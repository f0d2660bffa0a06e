#include "data/platform/console.hpp"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace zelkor::platform {
namespace {

std::string Utf8(const wchar_t* text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string result(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), bytes, nullptr, nullptr);
    result.pop_back();  // the terminator
    return result;
}

}  // namespace

// argv holds the words in the system's code page, which may not hold every
// character of a file name; the wide command line does.
std::vector<std::string> CommandLineWords(int, char**) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int k = 1; words != nullptr && k < count; ++k) result.push_back(Utf8(words[k]));
    if (words != nullptr) LocalFree(words);
    return result;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace zelkor::platform
