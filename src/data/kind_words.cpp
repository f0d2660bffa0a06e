#include "data/kind_words.hpp"
#include "data/platform/utf8_path.hpp"

#include <algorithm>
#include <cctype>
#include <string>

namespace zelkor {

std::optional<SourceKind> SourceKindFromWord(std::string_view word) {
    if (word == "transmit") return SourceKind::TransmitTxt;
    if (word == "trim") return SourceKind::TrimDat;
    if (word == "pnt") return SourceKind::WinAgile;
    return std::nullopt;
}

std::string_view SourceKindWord(SourceKind kind) {
    switch (kind) {
        case SourceKind::TransmitTxt: return "transmit";
        case SourceKind::TrimDat: return "trim";
        case SourceKind::WinAgile: return "pnt";
        case SourceKind::None: break;
    }
    return {};
}

std::optional<SourceKind> SourceKindFromExtension(const std::filesystem::path& path) {
    std::string extension = platform::Utf8FromPath(path.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".txt") return SourceKind::TransmitTxt;
    if (extension == ".dat") return SourceKind::TrimDat;
    if (extension == ".pnt") return SourceKind::WinAgile;
    return std::nullopt;
}

}  // namespace zelkor
