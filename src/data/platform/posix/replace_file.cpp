#include "data/platform/replace_file.hpp"

#include "data/platform/temporary_name.hpp"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkor::platform {
namespace {

namespace fs = std::filesystem;

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

// A file-size limit (ulimit -f) would otherwise kill the program in the middle
// of a write; ignored, it makes the write fail with EFBIG like a full disk.
void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

bool NameTooLong(const fs::path& target) {
    return target.filename().string().size() > 255 || target.string().size() >= PATH_MAX;
}

// Makes the rename itself survive a power loss.
void SyncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Created with 0666 so that the user's umask applies, as for any new file.
int CreateUnique(const fs::path& target, fs::path& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = TemporaryNeighbour(target, static_cast<std::uint64_t>(::getpid()));
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

FileReplacement::FileReplacement(const fs::path& target) : target_(ResolveLink(target)) {
    IgnoreFileSizeSignal();
    if (NameTooLong(target_)) {
        failure_ = FileFailure::Name;
        return;
    }
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        failure_ = FileFailure::Open;
        return;
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        handle_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (handle_ < 0) failure_ = FileFailure::Open;
        return;
    }
    // Renaming would get round a write-protected file, which opening it for writing respects.
    if (exists && ::access(target_.c_str(), W_OK) != 0) {
        failure_ = FileFailure::Open;
        return;
    }
    handle_ = CreateUnique(target_, temp_);
    if (handle_ < 0) {
        temp_.clear();
        failure_ = FileFailure::Open;
        return;
    }
    // A replaced file keeps its permissions, as it would when overwritten in place.
    if (exists) ::fchmod(Fd(handle_), existing.st_mode & 07777);
}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::write(const char* data, std::size_t left) {
    if (failure_ || handle_ < 0) return;
    while (left > 0) {
        const ssize_t written = ::write(Fd(handle_), data, left);
        if (written <= 0) {
            if (written < 0 && errno == EINTR) continue;
            failure_ = FileFailure::Write;
            return;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
        written_ += static_cast<std::uint64_t>(written);
    }
    // Start writing to the disk as the file grows, so that the sync before the
    // rename finds little left to do and the window is not held up at the end.
    constexpr std::uint64_t kSyncStep = 8 << 20;
    if (written_ - synced_ >= kSyncStep) {
#if defined(__linux__) && defined(SYNC_FILE_RANGE_WRITE)
        ::sync_file_range(Fd(handle_), static_cast<off_t>(synced_), static_cast<off_t>(written_ - synced_),
                          SYNC_FILE_RANGE_WRITE);
#endif
        synced_ = written_;
    }
}

std::optional<FileFailure> FileReplacement::commit() {
    if (failure_) {
        discard();
        return failure_;
    }
    if (handle_ < 0) return failure_;  // committed before
    // The data must be on the disk before the name points to it, or a power
    // loss can leave an empty file under the target's name.
    if (!temp_.empty() && ::fsync(Fd(handle_)) != 0) failure_ = FileFailure::Write;
    const int fd = Fd(handle_);
    handle_ = -1;
    // On Linux the descriptor is released even when close reports EINTR.
    if (::close(fd) != 0 && errno != EINTR && !failure_) failure_ = FileFailure::Write;
    if (!failure_ && !temp_.empty()) {
        if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
            failure_ = errno == ENAMETOOLONG ? FileFailure::Name : FileFailure::Write;
        } else {
            temp_.clear();
            SyncFolder(target_);
        }
    }
    discard();
    return failure_;
}

void FileReplacement::discard() {
    if (handle_ >= 0) {
        ::close(Fd(handle_));
        handle_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace zelkor::platform
