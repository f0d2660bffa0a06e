#include "data/read_source.hpp"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkor {

ReadSource ReadSource::InMemory(std::string content, std::filesystem::path name) {
    ReadSource source(std::move(name));
    source.bytes = std::make_shared<const std::string>(std::move(content));
    return source;
}

bool IsReadOnce(const std::filesystem::path& path) {
    if (path == "-") return true;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    return !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

int OpenForReading(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<ReadSource> ReadWhole(const std::filesystem::path& path) {
    const bool standardInput = path == "-";
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string content;
    std::size_t used = 0;
    bool failed = false;
    try {
        for (;;) {
            if (content.size() - used < 65536) content.resize(std::max<std::size_t>(content.size() * 2, 1 << 20));
            const ssize_t got = ::read(fd, content.data() + used, content.size() - used);
            if (got > 0) {
                used += static_cast<std::size_t>(got);
            } else if (got == 0) {
                break;
            } else if (errno != EINTR) {
                failed = true;
                break;
            }
        }
    } catch (...) {
        if (!standardInput) ::close(fd);
        throw;
    }
    if (!standardInput && ::close(fd) != 0) failed = true;
    if (failed) return std::nullopt;
    content.resize(used);
    return ReadSource::InMemory(std::move(content), path);
}

}  // namespace zelkor
