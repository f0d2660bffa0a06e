#include "data/line_reader.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkor {
namespace {
constexpr std::size_t kBlockSize = std::size_t{1} << 20;
}

LineReader::~LineReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool LineReader::open(const std::filesystem::path& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    // A folder opens but cannot be read as a file.
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    buffer_.resize(kBlockSize);
    return true;
}

bool LineReader::close() {
    if (fd_ < 0) return false;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
}

bool LineReader::refill() {
    if (atEof_ || readFailed_ || fd_ < 0) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0) {
            atEof_ = true;
            return false;
        }
        if (errno != EINTR) {
            readFailed_ = true;
            return false;
        }
    }
}

bool LineReader::next(std::string_view& line, bool& hadLineEnd) {
    std::size_t searchFrom = begin_;
    for (;;) {
        const char* data = buffer_.data();
        const void* lf = std::memchr(data + searchFrom, '\n', end_ - searchFrom);
        if (lf != nullptr) {
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(lf) - data);
            std::size_t length = at - begin_;
            if (length > 0 && data[begin_ + length - 1] == '\r') --length;
            line = std::string_view(data + begin_, length);
            hadLineEnd = true;
            begin_ = at + 1;
            ++lineNumber_;
            return true;
        }
        const std::size_t scanned = end_ - begin_;
        if (!refill()) break;
        searchFrom = begin_ + scanned;
    }
    if (begin_ == end_ || readFailed_) return false;
    line = std::string_view(buffer_.data() + begin_, end_ - begin_);
    hadLineEnd = false;
    begin_ = end_;
    ++lineNumber_;
    return true;
}

} // namespace zelkor
