#include "io/atomic_file.hpp"

#include "io/io_test_support.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zelkor {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

#ifndef _WIN32
// Runs body in a child process whose files may not grow past limitBytes; a
// write past it fails with EFBIG instead of killing the child. Returns the
// child's exit status.
int RunWithFileSizeLimit(rlim_t limitBytes, const std::function<int()>& body, bool ignoreSignal = true) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, ignoreSignal ? SIG_IGN : SIG_DFL);
        const rlimit limit{limitBytes, limitBytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}
#endif

std::optional<FileFailure> WriteWhole(const std::filesystem::path& target, const std::string& bytes) {
    AtomicFile file(target);
    file.append(bytes);
    return file.commit();
}

TEST(AtomicFileTest, ReplacesTheTargetAndLeavesNoTemporaryFile) {
    TempDir dir;
    WriteBytes(dir / "out.txt", "old content that is longer than the new");
    const std::string big(3 * 1024 * 1024 + 17, 'x');  // several buffer blocks
    EXPECT_FALSE(WriteWhole(dir / "out.txt", big));
    EXPECT_EQ(ReadBytes(dir / "out.txt"), big);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.txt"});
}

TEST(AtomicFileTest, ReservedRoomIsWrittenInOrderAcrossBlocks) {
    TempDir dir;
    std::string expected;
    {
        AtomicFile file(dir / "out.txt");
        for (int i = 0; i < 40000; ++i) {
            const std::string piece = std::to_string(i) + std::string(static_cast<std::size_t>(i % 50), '.') + "\n";
            char* out = file.reserve(piece.size());
            std::copy(piece.begin(), piece.end(), out);
            file.commitTo(out + piece.size());
            expected += piece;
        }
        ASSERT_FALSE(file.commit());
    }
    EXPECT_EQ(ReadBytes(dir / "out.txt"), expected);
}

#ifndef _WIN32
TEST(AtomicFileTest, FailedWriteKeepsTheOldFileAndRemovesTheTemporaryOne) {
    TempDir dir;
    const auto target = dir / "out.txt";
    WriteBytes(target, "old content");
    const int status = RunWithFileSizeLimit(64 * 1024, [&] {
        const auto failure = WriteWhole(target, std::string(2 * 1024 * 1024, 'n'));
        return failure == FileFailure::Write ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "the write past the limit must be reported as a write failure";
    EXPECT_EQ(ReadBytes(target), "old content");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.txt"});
}
#endif

#ifndef _WIN32
TEST(AtomicFileTest, FailureInTheFinalShortBlockIsReportedToo) {
    TempDir dir;
    const auto target = dir / "new.txt";
    const int status = RunWithFileSizeLimit(
        10, [&] { return WriteWhole(target, std::string(100, 'n')) == FileFailure::Write ? 0 : 1; });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(dir.entries().empty()) << "neither a target nor a temporary file may appear";
}
#endif

TEST(AtomicFileTest, MissingFolderOrFolderAsTargetIsAnOpenFailure) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    for (const auto& target : {dir / "missing" / "out.txt", dir / "folder"}) {
        AtomicFile file(target);
        EXPECT_EQ(file.failed(), FileFailure::Open) << target;
        file.append("ignored");
        EXPECT_EQ(file.commit(), FileFailure::Open) << target;
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"folder"});
    EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
}

TEST(AtomicFileTest, UncommittedFileLeavesNothingBehind) {
    TempDir dir;
    WriteBytes(dir / "out.txt", "old");
    {
        AtomicFile file(dir / "out.txt");
        file.append("abandoned");
    }
    EXPECT_EQ(ReadBytes(dir / "out.txt"), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.txt"});
}

#ifndef _WIN32
TEST(AtomicFileTest, ReplacedFileKeepsItsPermissionsAndALinkStaysALink) {
    TempDir dir;
    WriteBytes(dir / "real.txt", "old");
    ::chmod((dir / "real.txt").c_str(), 0640);
    std::filesystem::create_symlink("real.txt", dir / "link.txt");
    EXPECT_FALSE(WriteWhole(dir / "link.txt", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    EXPECT_EQ(ReadBytes(dir / "real.txt"), "new");
    struct stat info {};
    ASSERT_EQ(::stat((dir / "real.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
#endif

#ifndef _WIN32
TEST(AtomicFileTest, DevicesAreWrittenDirectly) {
    EXPECT_FALSE(WriteWhole("/dev/null", "discarded"));
    EXPECT_EQ(WriteWhole("/dev/full", std::string(10, 'x')), FileFailure::Write);
}
#endif

TEST(AtomicFileTest, LongFileNameStillGetsATemporaryNeighbour) {
    TempDir dir;
    const std::string name(250, 'a');
    EXPECT_FALSE(WriteWhole(dir / name, "content"));
    EXPECT_EQ(ReadBytes(dir / name), "content");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
}

#ifndef _WIN32
TEST(AtomicFileTest, FileSizeLimitIsAWriteFailureNotADeath) {
    // The child keeps the default action of SIGXFSZ, which kills; the file
    // must ignore it so that the limit is an ordinary failure.
    TempDir dir;
    WriteBytes(dir / "out.dat", "old");
    const int status = RunWithFileSizeLimit(
        4096, [&] { return WriteWhole(dir / "out.dat", std::string(100000, 'x')) == FileFailure::Write ? 0 : 1; },
        false);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(dir / "out.dat"), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.dat"});
}
#endif

#ifndef _WIN32
TEST(AtomicFileTest, DanglingLinkStaysALinkAndItsTargetIsCreated) {
    TempDir dir;
    std::filesystem::create_symlink("missing.txt", dir / "link.txt");
    EXPECT_FALSE(WriteWhole(dir / "link.txt", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    EXPECT_EQ(ReadBytes(dir / "missing.txt"), "new");
}
#endif

TEST(AtomicFileTest, NameTheSystemCannotHoldIsANameFailure) {
    TempDir dir;
    EXPECT_EQ(WriteWhole(dir / std::string(256, 'a'), "content"), FileFailure::Name);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(AtomicFileTest, WriteProtectedTargetIsRefusedAndKept) {
    TempDir dir;
    const auto target = dir / "out.txt";
    WriteBytes(target, "old");
    namespace fs = std::filesystem;
    fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
#ifndef _WIN32
    // Windows refuses by the file's read-only attribute whoever asks.
    if (std::ofstream(target, std::ios::app)) GTEST_SKIP() << "this user may write to write-protected files";
#endif
    EXPECT_EQ(WriteWhole(target, "new"), FileFailure::Open);
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.txt"});
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
}

#ifdef _WIN32
TEST(AtomicFileTest, TargetThatCannotBeReplacedIsKept) {
    // Another program holds the target open without sharing its deletion:
    // the rename fails, and the old content and the folder stay as they were.
    TempDir dir;
    const auto target = dir / "out.txt";
    WriteBytes(target, "old");
    const HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteWhole(target, "new"), FileFailure::Write);
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.txt"});
}

TEST(AtomicFileTest, PosixOnlyCases) {
    GTEST_SKIP() << "file-size limits, permission bits, symbolic links and /dev need POSIX";
}
#endif

}  // namespace
}  // namespace zelkor
