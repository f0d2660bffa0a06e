#pragma once

#include "data/message.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelkor {

struct HeaderLines {
    bool opened = false;
    std::vector<std::string> lines;  // without their line ends
    std::optional<Message> closeFailure;
};

// The first lines of a file as Header shows them: reads of a 1000-byte line
// buffer, so a line longer than 999 characters counts as several; a file
// shorter than that gives fewer lines.
HeaderLines ReadHeaderLines(const std::filesystem::path& path, int lineCount);

}  // namespace zelkor
