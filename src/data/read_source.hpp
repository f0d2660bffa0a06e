#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace zelkor {

// What a reader pass reads: a file on disk, opened afresh by every pass, or
// bytes already in memory. A pipe, a FIFO or standard input can be read only
// once, so a load reads such a path into memory first and every pass runs
// over that copy.
struct ReadSource {
    std::filesystem::path path;
    std::shared_ptr<const std::string> bytes;  // when set, the path is only a name

    ReadSource(std::filesystem::path filePath) : path(std::move(filePath)) {}
    static ReadSource InMemory(std::string content, std::filesystem::path name = {});
    bool inMemory() const { return bytes != nullptr; }
};

// True for "-" (standard input) and for a path that exists but is neither a
// regular file nor a folder (a pipe, a FIFO, a character device).
bool IsReadOnce(const std::filesystem::path& path);

// Reads such a path whole; nullopt when it cannot be opened or read.
// Throws std::bad_alloc when the content does not fit in memory.
std::optional<ReadSource> ReadWhole(const std::filesystem::path& path);

}  // namespace zelkor
