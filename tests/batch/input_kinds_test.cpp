// What the batch tool does with inputs that are not a plain file of the named
// kind: pipes and FIFOs, files of another kind, options that do not apply.

#include "support/run_batch.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace zelkor {
namespace {

using test::Lines;
using test::RunBatchWords;

const std::string kRecord1 =
    "T    1  6 .5021068E+07   1000000E-02  .8270E+03  .9847E+03   .9990612  .0362965  .0236495";
const std::string kRecord2 =
    "B    2  6 .5119872E+07   1128007E-01 -.1056E+04  .1970E+03   .9997611 -.0200240  .0087617";

#ifndef _WIN32
struct ShellRun {
    int status = -1;
    std::string out;
};

// Runs a shell command line with $BATCH standing for the batch tool.
ShellRun Shell(const std::string& script) {
    const std::string command = "BATCH='" ZELKOR_BATCH_EXE "'; " + script + " 2>&1";
    ShellRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> chunk{};
    while (const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), pipe)) run.out.append(chunk.data(), got);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(BatchInputs, PipesFifosAndStandardInputAreReadOnce) {
    test::TempDir dir;
    const auto file = dir.write("ions.txt", test::SrimTransmitHeader("line 10") + Lines({kRecord1, kRecord2}));
    const std::string expected = "kind: TransmitTxt\ncount: 2\nlineCount: 3\natomZ: 6\nheader: line 10\n";
    const std::string cat = "cat '" + file.string() + "' | ";
    EXPECT_EQ(Shell(cat + "\"$BATCH\" info /dev/stdin --kind transmit").out, expected);
    EXPECT_EQ(Shell(cat + "\"$BATCH\" info - --kind transmit").out, expected);
    const std::string fifo = (dir / "fifo").string();
    // A FIFO fed once: the load must not wait for a second writer.
    const ShellRun fromFifo = Shell("mkfifo '" + fifo + "' && (cat '" + file.string() + "' > '" + fifo +
                                    "' &) && timeout 20 \"$BATCH\" info '" + fifo + "' --kind transmit");
    EXPECT_EQ(fromFifo.status, 0);
    EXPECT_EQ(fromFifo.out, expected);
}

TEST(BatchInputs, RunningOutOfMemoryEndsWithAMessage) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers cannot run under an address-space limit";
#endif
    // An endless device read into memory, and a file with no line end at all.
    const ShellRun zero = Shell("ulimit -v 300000; \"$BATCH\" info /dev/zero --kind pnt");
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.out, "Not enough memory to read a file!\n");
}

#else
TEST(BatchInputs, PipesFifosAndMemoryLimits) {
    GTEST_SKIP() << "FIFOs, /dev/stdin, ulimit and the shell are POSIX only";
}
#endif

TEST(BatchInputs, ALoadThatKeptNoIonWhileSkippingLinesFails) {
    test::TempDir dir;
    const auto other = dir.write("ions.txt", test::SrimTransmitHeader("line 10") + Lines({kRecord1}));
    const auto run = RunBatchWords({"info", other.string(), "--kind", "pnt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "13 lines could not be read and were skipped; the first is line 1.\n");
    // An empty file is an empty set, not a failure.
    EXPECT_EQ(RunBatchWords({"info", dir.write("empty.pnt", "").string()}).status, 0);
}

TEST(BatchInputs, SetXIsRefusedWhereItDoesNotApply) {
    test::TempDir dir;
    const auto trim = dir.write("ions.dat", test::TrimDatHeader("line 8") + Lines({}));
    for (const std::string to : {"trim", "pnt", "transmit"}) {
        const auto run =
            RunBatchWords({"convert", trim.string(), "--to", to, "--set-x", "0", "-o", (dir / "o").string()});
        EXPECT_EQ(run.status, 2) << to;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "o"));
}

}  // namespace
}  // namespace zelkor
