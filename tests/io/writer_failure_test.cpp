#include "io/write_transmit_txt.hpp"
#include "io/write_trim_dat.hpp"
#include "io/write_winagile_point.hpp"

#include "io/io_test_support.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zelkor {
namespace {

using Writer = std::function<std::optional<Message>(const std::filesystem::path&, const ParticleSet&)>;

struct WriterCase {
    const char* name;
    Writer write;
    const char* openFailureText;
};

std::vector<WriterCase> Writers() {
    return {
        {"TransmitTxt",
         [](const auto& path, const auto& set) { return WriteTransmitTxt(path, set, "h\n", 2, 1, 2, kCannotOpenText); },
         kCannotOpenText},
        {"TrimDat",
         [](const auto& path, const auto& set) {
             return WriteTrimDat(path, set, "=h\n", 2, 3, 2, std::nullopt, kCannotExportText);
         },
         kCannotExportText},
        {"WinAgile",
         [](const auto& path, const auto& set) {
             return WriteWinAgilePoint(path, set, PointFileSource::TransmitTxt, kCannotExportText);
         },
         kCannotExportText},
    };
}

#ifndef _WIN32
TEST(WriterFailureTest, WriteFailureReportsCannotCloseAndKeepsTheOldFile) {
    const ParticleSet set = test::MakeSet(20000);  // megabytes: more than one buffer block
    for (const WriterCase& writer : Writers()) {
        test::TempDir dir;
        const auto target = dir / "out";
        test::WriteBytes(target, "old content\r\n");
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100 * 1024, 100 * 1024};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const auto message = writer.write(target, set);
            ::_exit(message == ErrorMessage(kCannotCloseText) ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << writer.name;
        EXPECT_EQ(test::ReadBytes(target), "old content\r\n") << writer.name;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out"}) << writer.name;
    }
}
#else
TEST(WriterFailureTest, WriteFailureReportsCannotCloseAndKeepsTheOldFile) {
    GTEST_SKIP() << "a write failure is made with a POSIX file-size limit";
}
#endif

TEST(WriterFailureTest, MissingFolderReportsTheCallersOpenMessage) {
    test::TempDir dir;
    for (const WriterCase& writer : Writers()) {
        const auto message = writer.write(dir / "missing" / "out", test::MakeSet(3));
        EXPECT_EQ(message, ErrorMessage(writer.openFailureText)) << writer.name;
        EXPECT_EQ(message->caption, "Error");
    }
    EXPECT_TRUE(dir.entries().empty());
}

TEST(WriterFailureTest, TooLongANameSaysSoInsteadOfCannotClose) {
    test::TempDir dir;
    for (const WriterCase& writer : Writers()) {
        const auto message = writer.write(dir / std::string(300, 'n'), test::MakeSet(3));
        EXPECT_EQ(message, ErrorMessage("Cannot write a file under this name!")) << writer.name;
    }
    EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
}  // namespace zelkor
