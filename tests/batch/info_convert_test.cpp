#include "support/run_batch.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::Lines;
using test::RunBatchWords;

const std::string kLine10 = "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================";
const std::string kRecord1 =
    "T    1  6 .5021068E+07   1000000E-02  .8270E+03  .9847E+03   .9990612  .0362965  .0236495";
const std::string kRecord2 =
    "B    2  6 .5119872E+07   1128007E-01 -.1056E+04  .1970E+03   .9997611 -.0200240  .0087617";

class BatchFiles : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string transmit() const {
        return dir.write("ions.txt", test::SrimTransmitHeader(kLine10) + Lines({kRecord1, kRecord2}) + "T    3 ")
            .string();
    }
    std::string out(const std::string& name) const { return (dir / name).string(); }
};

TEST_F(BatchFiles, InfoPrintsTheSetAndTheSkippedLineWarning) {
    const auto run = RunBatchWords({"info", transmit()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "kind: TransmitTxt\ncount: 2\nlineCount: 4\natomZ: 6\nheader: " + kLine10 + "\n");
    EXPECT_EQ(run.err, "1 line could not be read and was skipped: line 15.\n");
}

TEST_F(BatchFiles, InfoKindFollowsTheExtensionUnlessGiven) {
    const auto pnt = dir.write("points.txt", "1e-3 0 0 0 0 1\n").string();
    const auto asPoints = RunBatchWords({"info", pnt, "--kind", "pnt"});
    EXPECT_EQ(asPoints.status, 0);
    EXPECT_EQ(asPoints.out, "kind: WinAgile\ncount: 1\nlineCount: 2\n");

    const auto rejected = RunBatchWords({"info", pnt});
    EXPECT_EQ(rejected.status, 1);
    EXPECT_EQ(rejected.err, "Bad file opened!\n");

    const auto unknown = RunBatchWords({"info", dir.write("x.bin", "").string()});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("usage: zelkor-batch info"), std::string::npos);
}

TEST_F(BatchFiles, ConvertToOwnKindSavesTheFilteredFile) {
    const auto run = RunBatchWords({"convert", transmit(), "--to", "transmit", "-o", out("saved.txt")});
    EXPECT_EQ(run.status, 0);
    const std::string saved = test::ReadBytes(out("saved.txt"));
    EXPECT_NE(saved.find("\r\n=" + kLine10 + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("T    2  6 5.119872E+06  1.128007E+05 -1.0560000000E+03"), std::string::npos);
    // Read back: the same ions; line 10 is the old one after its "=".
    const auto again = RunBatchWords({"info", out("saved.txt")});
    EXPECT_EQ(again.out, "kind: TransmitTxt\ncount: 2\nlineCount: 3\natomZ: 6\nheader: =" + kLine10 + "\n");
    EXPECT_EQ(again.err, "");
}

TEST_F(BatchFiles, ConvertToTrimDatKeepsOrSetsTheDepth) {
    ASSERT_EQ(RunBatchWords({"convert", transmit(), "--to", "trim", "-o", out("keep.dat")}).status, 0);
    const std::string keep = test::ReadBytes(out("keep.dat"));
    EXPECT_NE(keep.find("\r\n=" + kLine10 + "\r\n"), std::string::npos);  // line 8 is "=" + line 10
    EXPECT_NE(keep.find("\r\n1       6   5.021068E+06  1.000000E+04 "), std::string::npos);

    ASSERT_EQ(RunBatchWords({"convert", transmit(), "--to", "trim", "--set-x", "0", "-o", out("zero.dat")}).status, 0);
    EXPECT_NE(test::ReadBytes(out("zero.dat")).find("\r\n2       6   5.119872E+06  0.000000E+00 "), std::string::npos);
    EXPECT_EQ(RunBatchWords({"info", out("zero.dat")}).out.substr(0, 24), "kind: TrimDat\ncount: 2\nl");
}

TEST_F(BatchFiles, ConvertRefusesBadDepthsAndOtherKinds) {
    for (const std::string bad : {"-1", "abc", "1.5.2"}) {
        const auto run = RunBatchWords({"convert", transmit(), "--to", "trim", "--set-x", bad, "-o", out("x.dat")});
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_NE(run.err.find("Value Set X co-ordinate must be real number >= 0\n"), std::string::npos) << bad;
    }
    const auto empty = RunBatchWords({"convert", transmit(), "--to", "trim", "--set-x", "", "-o", out("x.dat")});
    EXPECT_NE(empty.err.find("Missing value Set X co-ordinate\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out("x.dat")));

    ASSERT_EQ(RunBatchWords({"convert", transmit(), "--to", "trim", "-o", out("t.dat")}).status, 0);
    const auto fromTrim = RunBatchWords({"convert", out("t.dat"), "--to", "pnt", "-o", out("p.pnt")});
    EXPECT_EQ(fromTrim.status, 1);
    EXPECT_EQ(fromTrim.err, "This function is available only for TRANSMIT.TXT\n");
}

TEST_F(BatchFiles, ConvertToPointFileGivesSlopes) {
    ASSERT_EQ(RunBatchWords({"convert", transmit(), "--to", "pnt", "-o", out("p.pnt")}).status, 0);
    const std::string points = test::ReadBytes(out("p.pnt"));
    EXPECT_EQ(points.substr(0, 18), " 8.2700000000E-08\t");
    EXPECT_NE(points.find("\t0.0000000000E+00\t65535   \r\n"), std::string::npos);
}

TEST_F(BatchFiles, UnwritableOutputReportsTheCommandsMessage) {
    const auto run = RunBatchWords({"convert", transmit(), "--to", "pnt", "-o", out("missing/p.pnt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot export a file!\n"), std::string::npos);
    const auto saved = RunBatchWords({"convert", transmit(), "--to", "transmit", "-o", out("missing/s.txt")});
    EXPECT_NE(saved.err.find("Cannot open a file!\n"), std::string::npos);
}

TEST(BatchUsage, HelpAndUsageErrors) {
    const auto help = RunBatchWords({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("zelkor-batch convert FILE"), std::string::npos);
    EXPECT_EQ(RunBatchWords({}).status, 2);
    EXPECT_EQ(RunBatchWords({"frobnicate"}).status, 2);
    EXPECT_EQ(RunBatchWords({"convert", "a.txt", "-o", "b.txt"}).status, 2);                 // no --to
    EXPECT_EQ(RunBatchWords({"convert", "a.txt", "--to", "csv", "-o", "b.txt"}).status, 2);  // unknown kind
    EXPECT_EQ(RunBatchWords({"info", "a.txt", "--bogus", "1"}).status, 2);
}

}  // namespace
}  // namespace zelkor
