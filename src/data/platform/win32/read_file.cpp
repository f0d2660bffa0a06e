#include "data/platform/read_file.hpp"

#include <windows.h>

#include <algorithm>

namespace zelkor::platform {
namespace {

HANDLE Native(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// One call reads at most this much: ReadFile takes a 32-bit count.
constexpr std::size_t kMaxRead = std::size_t{1} << 30;

std::int64_t Finish(BOOL ok, DWORD got) {
    if (ok) return got;
    const DWORD error = GetLastError();
    // The end of a file read at an offset, or a pipe whose writer is gone.
    if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE) return 0;
    return -1;
}

}  // namespace

ReadFile::~ReadFile() {
    if (isOpen() && owned_) CloseHandle(Native(handle_));
}

bool ReadFile::open(const std::filesystem::path& path) {
    // A folder does not open without FILE_FLAG_BACKUP_SEMANTICS, as wanted.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    size_ = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size)
                ? static_cast<std::uint64_t>(size.QuadPart)
                : 0;
    handle_ = reinterpret_cast<std::intptr_t>(file);
    owned_ = true;
    return true;
}

void ReadFile::openStandardInput() {
    handle_ = reinterpret_cast<std::intptr_t>(GetStdHandle(STD_INPUT_HANDLE));
    owned_ = false;
    size_ = 0;
}

bool ReadFile::close() {
    if (!isOpen()) return false;
    const HANDLE file = Native(handle_);
    handle_ = kNoHandle;
    return !owned_ || CloseHandle(file) != 0;
}

std::int64_t ReadFile::read(char* out, std::size_t count) {
    DWORD got = 0;
    const BOOL ok = ::ReadFile(Native(handle_), out, static_cast<DWORD>(std::min(count, kMaxRead)), &got, nullptr);
    return Finish(ok, got);
}

std::int64_t ReadFile::readAt(std::uint64_t offset, char* out, std::size_t count) const {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    const BOOL ok = ::ReadFile(Native(handle_), out, static_cast<DWORD>(std::min(count, kMaxRead)), &got, &at);
    return Finish(ok, got);
}

bool IsReadOnce(const std::filesystem::path& path) {
    if (path == "-") return true;
    const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD type = GetFileType(file);
    CloseHandle(file);
    return type == FILE_TYPE_PIPE || type == FILE_TYPE_CHAR;
}

}  // namespace zelkor::platform
