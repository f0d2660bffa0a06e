#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace zelkor::platform {

// A file open for reading in binary mode. Readers on several threads may
// share one through reads at an offset; a file is read either in order or
// at offsets, never both (on Windows a read at an offset moves the position).
class ReadFile {
public:
    ReadFile() = default;
    ~ReadFile();
    ReadFile(const ReadFile&) = delete;
    ReadFile& operator=(const ReadFile&) = delete;

    // False when the path cannot be opened or is a folder.
    bool open(const std::filesystem::path& path);
    // The process's standard input, which close() leaves open.
    void openStandardInput();
    bool isOpen() const { return handle_ != kNoHandle; }
    // False when closing fails or nothing was open.
    bool close();

    // Size in bytes when opened (0 when unknown, as for a pipe).
    std::uint64_t size() const { return size_; }
    // Bytes read into out (at most count): 0 at the end, -1 on a read error.
    // Interrupted reads are retried.
    std::int64_t read(char* out, std::size_t count);
    std::int64_t readAt(std::uint64_t offset, char* out, std::size_t count) const;

private:
    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t handle_ = kNoHandle;  // a descriptor or a HANDLE
    bool owned_ = true;
    std::uint64_t size_ = 0;
};

// True for "-" (standard input) and for a path that exists but is neither a
// regular file nor a folder (a pipe, a FIFO, a character device): such a
// path can be read only once.
bool IsReadOnce(const std::filesystem::path& path);

}  // namespace zelkor::platform
