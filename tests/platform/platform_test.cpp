// The system seam: reading at offsets, UTF-8 paths and worker threads.

#include "io/atomic_file.hpp"
#include "data/platform/read_file.hpp"
#include "data/platform/utf8_path.hpp"
#include "data/platform/worker_threads.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace zelkor {
namespace {

using platform::ReadFile;

std::string ReadAt(const ReadFile& file, std::uint64_t offset, std::size_t count) {
    std::string bytes(count, '\0');
    const std::int64_t got = file.readAt(offset, bytes.data(), count);
    bytes.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    return bytes;
}

TEST(PlatformTest, ReadsAtOffsetsInBinaryMode) {
    test::TempDir dir;
    const std::string bytes = "line 1\r\nline 2\nend\x1a\r\n";
    ReadFile file;
    ASSERT_TRUE(file.open(dir.write("ions.txt", bytes)));
    EXPECT_EQ(file.size(), bytes.size());
    EXPECT_EQ(ReadAt(file, 6, 4), "\r\nli");
    EXPECT_EQ(ReadAt(file, 0, 100), bytes) << "CR LF and Ctrl+Z are data";
    EXPECT_EQ(ReadAt(file, bytes.size(), 10), "");
    EXPECT_TRUE(file.close());
    ASSERT_TRUE(file.open(dir / "ions.txt"));
    std::string inOrder(bytes.size() + 5, '\0');
    EXPECT_EQ(file.read(inOrder.data(), 8), 8);
    EXPECT_EQ(file.read(inOrder.data() + 8, inOrder.size() - 8), static_cast<std::int64_t>(bytes.size() - 8));
    EXPECT_EQ(file.read(inOrder.data(), 1), 0) << "the end";
    EXPECT_EQ(inOrder.substr(0, bytes.size()), bytes);
    EXPECT_TRUE(file.close());
    EXPECT_FALSE(file.close());
}

TEST(PlatformTest, FoldersAndMissingFilesDoNotOpen) {
    test::TempDir dir;
    ReadFile file;
    EXPECT_FALSE(file.open(dir.path()));
    EXPECT_FALSE(file.open(dir / "missing.txt"));
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(platform::IsReadOnce(dir / "missing.txt"));
    EXPECT_FALSE(platform::IsReadOnce(dir.path()));
    EXPECT_TRUE(platform::IsReadOnce("-"));
}

TEST(PlatformTest, Utf8NamesReachTheSystemWhole) {
    test::TempDir dir;
    const std::string name = "\xc3\xa4 \xce\xa9 \xe6\xbc\xa2.txt";  // a umlaut, omega, a CJK character
    const auto path = dir.path() / platform::PathFromUtf8(name);
    AtomicFile out(path);
    out.append("ions");
    ASSERT_FALSE(out.commit());
    ASSERT_EQ(dir.entries().size(), 1u);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(platform::Utf8FromPath(entry.path().filename()), name);
    ReadFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(ReadAt(file, 0, 10), "ions");
}

TEST(PlatformTest, WorkerThreadsRunTheirWorkBeforeTheGroupEnds) {
    std::atomic<int> done{0};
    int started = 0;
    {
        platform::WorkerThreads threads;
        for (int k = 0; k < 4; ++k) started += threads.start([&] { ++done; }) ? 1 : 0;
    }
    EXPECT_EQ(done.load(), started);
    EXPECT_GE(platform::HardwareThreads(), 1u);
}

}  // namespace
}  // namespace zelkor
