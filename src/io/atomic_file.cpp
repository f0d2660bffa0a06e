#include "io/atomic_file.hpp"

#include <algorithm>
#include <cstring>

namespace zelkor {

// Not make_unique_for_overwrite: the older libc++ of the WebAssembly build lacks it.
AtomicFile::AtomicFile(const std::filesystem::path& target)
    : file_(target), buffer_(new char[kBlockSize + kMaxReserve]) {}

char* AtomicFile::reserve(std::size_t bytes) {
    bytes = std::min(bytes, kMaxReserve);
    if (used_ + bytes > kBlockSize + kMaxReserve || used_ >= kBlockSize) flush();
    return buffer_.get() + used_;
}

void AtomicFile::append(std::string_view text) {
    // A large block goes to the file as it is, after what is buffered.
    if (text.size() >= kBlockSize) {
        flush();
        file_.write(text.data(), text.size());
        return;
    }
    while (!text.empty()) {
        const std::size_t part = std::min(text.size(), kMaxReserve);
        char* out = reserve(part);
        std::memcpy(out, text.data(), part);
        commitTo(out + part);
        text.remove_prefix(part);
    }
}

void AtomicFile::flush() {
    file_.write(buffer_.get(), used_);
    used_ = 0;
}

std::optional<FileFailure> AtomicFile::commit() {
    flush();
    return file_.commit();
}

}  // namespace zelkor
