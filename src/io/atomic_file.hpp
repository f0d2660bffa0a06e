#pragma once

#include "data/platform/file_failure.hpp"
#include "data/platform/replace_file.hpp"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace zelkor {

// Replaces a file as a whole or not at all. The data goes to a temporary file
// in the target's folder, which is renamed over the target only after every
// write and the close succeeded; on any failure the temporary file is removed
// and the old target stays as it was. Output is buffered in large blocks.
//
// A target that exists and is not a regular file (a device such as /dev/null
// or /dev/stdout, a pipe) has no old content to protect and is written
// directly. A symbolic link is followed, so the file it points to is replaced
// (or created, for a dangling link) and the link stays. The data is flushed to
// the disk before the rename and the folder after it. Creating one ignores
// SIGXFSZ for the process, so a file-size limit is a write failure.
class AtomicFile {
public:
    // Creates the temporary file; failed() tells whether that worked.
    explicit AtomicFile(const std::filesystem::path& target);
    ~AtomicFile() = default;  // the temporary file goes unless commit() succeeded
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The failure met so far (an open failure is known right after construction).
    std::optional<FileFailure> failed() const { return file_.failed(); }

    // Room for at least `bytes` characters (at most kMaxReserve); write them at
    // the returned pointer, then hand the end of what was written to
    // commitTo(). Nothing may be appended in between.
    static constexpr std::size_t kMaxReserve = 64 * 1024;
    char* reserve(std::size_t bytes);
    void commitTo(char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }

    void append(std::string_view text);

    // Writes what is buffered, closes and renames over the target. Returns the
    // first failure, if any; the target is replaced only on success.
    std::optional<FileFailure> commit();

private:
    static constexpr std::size_t kBlockSize = 1 << 20;

    void flush();

    platform::FileReplacement file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

}  // namespace zelkor
