#include "data/platform/read_file.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkor::platform {
namespace {
int Fd(std::intptr_t handle) { return static_cast<int>(handle); }
}  // namespace

ReadFile::~ReadFile() {
    if (isOpen() && owned_) ::close(Fd(handle_));
}

bool ReadFile::open(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    handle_ = fd;
    owned_ = true;
    size_ = static_cast<std::uint64_t>(info.st_size);
    return true;
}

void ReadFile::openStandardInput() {
    handle_ = STDIN_FILENO;
    owned_ = false;
    size_ = 0;
}

bool ReadFile::close() {
    if (!isOpen()) return false;
    const int fd = Fd(handle_);
    handle_ = kNoHandle;
    return !owned_ || ::close(fd) == 0;
}

std::int64_t ReadFile::read(char* out, std::size_t count) {
    for (;;) {
        const ssize_t got = ::read(Fd(handle_), out, count);
        if (got >= 0 || errno != EINTR) return got;
    }
}

std::int64_t ReadFile::readAt(std::uint64_t offset, char* out, std::size_t count) const {
    for (;;) {
        const ssize_t got = ::pread(Fd(handle_), out, count, static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR) return got;
    }
}

bool IsReadOnce(const std::filesystem::path& path) {
    if (path == "-") return true;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    return !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

}  // namespace zelkor::platform
