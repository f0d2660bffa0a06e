#include "io/atomic_file.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkor {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSuffixLength = 6;
// A file name may hold 255 bytes; the temporary one adds "." and the suffix.
constexpr std::size_t kMaxBaseName = 255 - 1 - kSuffixLength;

std::string RandomSuffix() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine(
        std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string suffix(kSuffixLength, '0');
    for (char& c : suffix) c = kChars[pick(engine)];
    return suffix;
}

// The file a symbolic link points to, so that replacing it keeps the link.
// A dangling link is followed too: its target is created.
fs::path ResolveLink(const fs::path& target) {
    fs::path path = target;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;  // a loop of links: opening it fails
}

// A file-size limit (ulimit -f) would otherwise kill the program in the middle
// of a write; ignored, it makes the write fail with EFBIG like a full disk.
void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

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
    std::string base = target.filename().string();
    if (base.size() > kMaxBaseName) base.resize(kMaxBaseName);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target.parent_path() / (base + "." + RandomSuffix());
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

AtomicFile::AtomicFile(const fs::path& target)
    : target_(ResolveLink(target)), buffer_(std::make_unique_for_overwrite<char[]>(kBlockSize + kMaxReserve)) {
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
        fd_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd_ < 0) failure_ = FileFailure::Open;
        return;
    }
    // Renaming would get round a write-protected file, which opening it for writing respects.
    if (exists && ::access(target_.c_str(), W_OK) != 0) {
        failure_ = FileFailure::Open;
        return;
    }
    fd_ = CreateUnique(target_, temp_);
    if (fd_ < 0) {
        temp_.clear();
        failure_ = FileFailure::Open;
        return;
    }
    // A replaced file keeps its permissions, as it would when overwritten in place.
    if (exists) ::fchmod(fd_, existing.st_mode & 07777);
}

AtomicFile::~AtomicFile() { discard(); }

char* AtomicFile::reserve(std::size_t bytes) {
    bytes = std::min(bytes, kMaxReserve);
    if (used_ + bytes > kBlockSize + kMaxReserve || used_ >= kBlockSize) flush();
    return buffer_.get() + used_;
}

void AtomicFile::append(std::string_view text) {
    while (!text.empty()) {
        const std::size_t part = std::min(text.size(), kMaxReserve);
        char* out = reserve(part);
        std::memcpy(out, text.data(), part);
        commitTo(out + part);
        text.remove_prefix(part);
    }
}

void AtomicFile::flush() {
    const char* data = buffer_.get();
    std::size_t left = used_;
    used_ = 0;
    if (failure_ || fd_ < 0) return;
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, left);
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
        ::sync_file_range(fd_, static_cast<off_t>(synced_), static_cast<off_t>(written_ - synced_),
                          SYNC_FILE_RANGE_WRITE);
        synced_ = written_;
    }
}

std::optional<FileFailure> AtomicFile::commit() {
    if (failure_) {
        discard();
        return failure_;
    }
    if (fd_ < 0) return failure_;  // committed before
    flush();
    // The data must be on the disk before the name points to it, or a power
    // loss can leave an empty file under the target's name.
    if (!failure_ && !temp_.empty() && ::fsync(fd_) != 0) failure_ = FileFailure::Write;
    const int fd = fd_;
    fd_ = -1;
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

void AtomicFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace zelkor
