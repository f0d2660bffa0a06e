#pragma once

#include <QString>

#include <filesystem>

namespace zelkor {

// File names between Qt and the core, through UTF-16 so that no code page
// stands in between on Windows.
inline std::filesystem::path PathFromQString(const QString& name) {
    return std::filesystem::path(name.toStdU16String());
}
inline QString QStringFromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

}  // namespace zelkor
