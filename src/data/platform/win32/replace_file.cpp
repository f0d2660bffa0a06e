#include "data/platform/replace_file.hpp"

#include "data/platform/temporary_name.hpp"

#include <windows.h>

#include <algorithm>

namespace zelkor::platform {
namespace {

namespace fs = std::filesystem;

HANDLE Native(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
std::intptr_t Handle(HANDLE file) { return file == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(file); }

// One file name takes at most 255 UTF-16 units.
bool NameTooLong(const fs::path& target) { return target.filename().native().size() > 255; }

HANDLE CreateUnique(const fs::path& target, fs::path& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = TemporaryNeighbour(target, GetCurrentProcessId());
        const HANDLE file =
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

FileReplacement::FileReplacement(const fs::path& target) : target_(ResolveLink(target)) {
    if (NameTooLong(target_)) {
        failure_ = FileFailure::Name;
        return;
    }
    const DWORD attributes = GetFileAttributesW(target_.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        failure_ = FileFailure::Open;
        return;
    }
    // Renaming would get round a write-protected file, which opening it for writing respects.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        failure_ = FileFailure::Open;
        return;
    }
    if (exists) {
        // A device (NUL, CON, a pipe) is written directly.
        const HANDLE file = CreateFileW(target_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE && GetFileType(file) != FILE_TYPE_DISK) {
            handle_ = Handle(file);
            return;
        }
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    handle_ = Handle(CreateUnique(target_, temp_));
    if (handle_ < 0) {
        temp_.clear();
        failure_ = FileFailure::Open;
    }
}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::write(const char* data, std::size_t left) {
    if (failure_ || handle_ < 0) return;
    while (left > 0) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(left, std::size_t{1} << 30));
        DWORD written = 0;
        if (!WriteFile(Native(handle_), data, part, &written, nullptr) || written == 0) {
            failure_ = FileFailure::Write;
            return;
        }
        data += written;
        left -= written;
        written_ += written;
    }
}

std::optional<FileFailure> FileReplacement::commit() {
    if (failure_) {
        discard();
        return failure_;
    }
    if (handle_ < 0) return failure_;  // committed before
    // The data must be on the disk before the name points to it.
    if (!temp_.empty() && !FlushFileBuffers(Native(handle_))) failure_ = FileFailure::Write;
    const HANDLE file = Native(handle_);
    handle_ = -1;
    if (!CloseHandle(file) && !failure_) failure_ = FileFailure::Write;
    if (!failure_ && !temp_.empty()) {
        // One step that replaces an existing target too, written through to the disk.
        if (!MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            const DWORD error = GetLastError();
            failure_ = error == ERROR_FILENAME_EXCED_RANGE ? FileFailure::Name : FileFailure::Write;
        } else {
            temp_.clear();
        }
    }
    discard();
    return failure_;
}

void FileReplacement::discard() {
    if (handle_ >= 0) {
        CloseHandle(Native(handle_));
        handle_ = -1;
    }
    if (!temp_.empty()) {
        DeleteFileW(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace zelkor::platform
