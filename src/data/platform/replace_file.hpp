#pragma once

#include "data/platform/file_failure.hpp"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace zelkor::platform {

// What the system does to replace a file as a whole or not at all: the bytes
// go to a temporary file beside the target, which is flushed to the disk and
// then renamed over the target (existing or not) in one step; the folder is
// synced after the rename where the system has such a thing. On any failure
// the temporary file is removed and the old target stays as it was.
//
// A target that exists and is not a regular file (a device, a pipe) has no
// old content to protect and is written directly. A symbolic link is
// followed, so the file it points to is replaced (or created, for a dangling
// link) and the link stays. A write-protected target is refused, as opening
// it for writing would be; a replaced file keeps its permissions.
class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& target);
    ~FileReplacement();  // removes the temporary file unless commit() succeeded
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The failure met so far (an open failure is known right after construction).
    std::optional<FileFailure> failed() const { return failure_; }
    // Hands the bytes to the system; does nothing after a failure.
    void write(const char* data, std::size_t count);
    // Flushes, closes and renames over the target; the first failure, if any.
    std::optional<FileFailure> commit();

private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temp_;  // empty when writing the target directly
    std::intptr_t handle_ = -1;   // a descriptor or a HANDLE
    std::uint64_t written_ = 0;   // bytes handed to the system so far
    std::uint64_t synced_ = 0;    // bytes whose writing to the disk has been started
    std::optional<FileFailure> failure_;
};

}  // namespace zelkor::platform
