#include "data/line_reader.hpp"

#include <cstring>

namespace zelkor {
namespace {
constexpr std::size_t kMinBlockSize = 4 * kMaxLineLength;
static_assert(kMinBlockSize > 2 * kMaxLineLength, "a kept line and a read must fit the block");
}  // namespace

void LineReader::openRange(const platform::ReadFile& file, std::uint64_t begin, std::uint64_t end,
                           std::size_t blockBytes) {
    shared_ = &file;
    inRange_ = true;
    at_ = begin;
    stopAt_ = end;
    buffer_.resize(blockBytes > kMinBlockSize ? blockBytes : kMinBlockSize);
    data_ = buffer_.data();
    isOpen_ = true;
}

void LineReader::openBytes(std::string_view bytes) {
    data_ = bytes.data();
    begin_ = 0;
    end_ = bytes.size();
    atEof_ = true;
    isOpen_ = true;
}

bool LineReader::open(const ReadSource& source, std::size_t blockBytes) {
    if (source.inMemory()) {
        openBytes(*source.bytes);
        return true;
    }
    if (!file_.open(source.path)) return false;
    buffer_.resize(blockBytes > kMinBlockSize ? blockBytes : kMinBlockSize);
    data_ = buffer_.data();
    isOpen_ = true;
    return true;
}

bool LineReader::close() {
    if (!isOpen_) return false;
    isOpen_ = false;
    return !file_.isOpen() || file_.close();
}

bool LineReader::refill() {
    if (atEof_ || readFailed_ || (!file_.isOpen() && shared_ == nullptr)) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    for (;;) {
        std::size_t want = buffer_.size() - end_;
        if (inRange_ && stopAt_ - at_ < want) want = static_cast<std::size_t>(stopAt_ - at_);
        if (want == 0) {
            atEof_ = true;
            return false;
        }
        const std::int64_t got =
            inRange_ ? shared_->readAt(at_, buffer_.data() + end_, want) : file_.read(buffer_.data() + end_, want);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            at_ += static_cast<std::uint64_t>(got);
            return true;
        }
        if (got == 0) {
            atEof_ = true;
            return false;
        }
        readFailed_ = true;
        return false;
    }
}

bool LineReader::next(TextLine& line) {
    std::size_t searchFrom = begin_;
    std::uint64_t dropped = 0;  // characters of an overlong line already let go
    bool found = false;
    std::size_t stop = end_;
    for (;;) {
        const void* lf = std::memchr(data_ + searchFrom, '\n', end_ - searchFrom);
        if (lf != nullptr) {
            stop = static_cast<std::size_t>(static_cast<const char*>(lf) - data_);
            found = true;
            break;
        }
        // Without a line end in sight the buffered part of a long line is
        // dropped, so that memory stays bounded whatever the file holds.
        if (end_ - begin_ > kMaxLineLength) {
            dropped += end_ - begin_;
            begin_ = end_;
        }
        const std::size_t scanned = end_ - begin_;
        if (!refill()) break;
        searchFrom = begin_ + scanned;
    }
    if (!found) {
        if (readFailed_ || (begin_ == end_ && dropped == 0)) return false;
        stop = end_;
    }
    std::size_t length = stop - begin_;
    if (found && length > 0 && data_[stop - 1] == '\r') --length;
    line.length = dropped + length;
    line.tooLong = line.length > kMaxLineLength;
    line.text = line.tooLong ? std::string_view() : std::string_view(data_ + begin_, length);
    line.hadLineEnd = found;
    begin_ = found ? stop + 1 : end_;
    ++lineNumber_;
    return true;
}

}  // namespace zelkor
