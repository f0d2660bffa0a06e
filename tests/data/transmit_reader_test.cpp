#include "state/load_file.hpp"
#include "data/first_lines.hpp"
#include "data/transmit_reader.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::Lines;
using test::SrimTransmitHeader;

const std::string kLine10 = "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================";
const std::string kRecord1 =
    "T    1  6 .5021068E+07   1128014E-01  .8270E+03  .9847E+03   .9990612  .0362965  .0236495";
const std::string kRecord2 =
    "B    2  6 .5119872E+07   1128007E-01 -.1056E+04  .1970E+03   .9997611 -.0200240  .0087617";
const std::string kRecord3 =
    "S10000  7 .6120653E+07   7694201E+00  .1112E+06 -.3661E+06   .9604977  .0258823 -.2770816";

struct Loaded {
    LoadReport report;
    AppState state;
    ParticleSet set;
};

Loaded Load(const std::filesystem::path& path) {
    Loaded loaded;
    loaded.report = LoadParticleFile(SourceKind::TransmitTxt, path, loaded.state, loaded.set);
    return loaded;
}

TEST(TransmitReader, ReadsSrimNumberFormsAndIgnoresTheTypeLetter) {
    test::TempDir dir;
    const auto file = dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1, kRecord2, kRecord3}));
    const Loaded l = Load(file);
    ASSERT_EQ(l.report.outcome, LoadOutcome::Loaded);
    EXPECT_TRUE(l.report.messages.empty());
    ASSERT_EQ(l.set.count, 3);
    EXPECT_EQ(l.set.lineCount, 4);
    const ParticleRecord& r = l.set.record(1);
    EXPECT_EQ(r.energy, 5021068.0);
    EXPECT_EQ(r.x, 112801.4);
    EXPECT_EQ(r.y, 827.0);
    EXPECT_EQ(r.cos_x, 0.9990612);
    EXPECT_EQ(l.set.record(2).y, -1056.0);
    EXPECT_EQ(l.set.record(2).cos_y, -0.0200240);
    // From ion 10000 on the letter and the number touch.
    EXPECT_EQ(l.set.record(3).energy, 6120653.0);
    EXPECT_EQ(l.set.record(3).cos_z, -0.2770816);
    EXPECT_EQ(l.state.atomZ, 7);  // the last record's Z stays
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(l.set.record(i).accepted, 1);
}

TEST(TransmitReader, HeaderLineIsKeptByteForByteWithItsLineEnd) {
    test::TempDir dir;
    const std::string line10 = "====== TRIM Calc.= Fe(5 MeV) ==> Warstwa \xB3\xF3\x64\xBC (IC(  400 mm) ====";
    const auto file = dir.write("t.txt", SrimTransmitHeader(line10) + Lines({kRecord1}));
    const Loaded l = Load(file);
    EXPECT_EQ(l.state.headerLine, line10 + "\n");
}

TEST(TransmitReader, FirstLinesAreKeptAsALineBufferOf1000BytesReadsThem) {
    // Line 1 of 1500 characters is read as two lines, so the tenth shown is the file's line 9.
    const std::string header = SrimTransmitHeader(kLine10);
    const std::string text = std::string(1500, 'a') + header.substr(header.find('\n')) + Lines({kRecord1});
    AppState state;
    ParticleSet set;
    const LoadReport report = LoadParticleSource(SourceKind::TransmitTxt, ReadSource::InMemory(text, "-"), state, set);
    ASSERT_EQ(report.outcome, LoadOutcome::Loaded);
    ASSERT_EQ(state.firstLines.size(), 10u);
    EXPECT_EQ(state.firstLines[0], std::string(999, 'a'));
    EXPECT_EQ(state.firstLines[1], std::string(501, 'a'));
    EXPECT_EQ(state.firstLines[3], "=================  TRANSMIT.txt : File of Transmitted Ions  ==================");
    EXPECT_EQ(state.firstLines[9].substr(0, 40), "= *** This data file is in the same form");

    // A line of exactly 999 characters and its line end take two reads, the second empty.
    std::vector<std::string> lines;
    const std::string exact(999, 'b');
    KeepFirstLine(lines, TextLine{exact, 999, true, false});
    KeepFirstLine(lines, TextLine{{}, 5000, false, true});  // too long to be held
    EXPECT_EQ(lines, (std::vector<std::string>{exact, "", "", "", "", "", "", ""}));
}

TEST(TransmitReader, CrLfAndLfFilesReadAlike) {
    test::TempDir dir;
    const auto crlf =
        Load(dir.write("a.txt", SrimTransmitHeader(kLine10, "\r\n") + Lines({kRecord1, kRecord2}, "\r\n")));
    const auto lf = Load(dir.write("b.txt", SrimTransmitHeader(kLine10, "\n") + Lines({kRecord1, kRecord2}, "\n")));
    ASSERT_EQ(crlf.set.count, 2);
    ASSERT_EQ(lf.set.count, 2);
    EXPECT_EQ(crlf.set.lineCount, lf.set.lineCount);
    EXPECT_EQ(crlf.state.headerLine, lf.state.headerLine);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(crlf.set.record(i).energy, lf.set.record(i).energy);
        EXPECT_EQ(crlf.set.record(i).cos_z, lf.set.record(i).cos_z);
    }
}

TEST(TransmitReader, HeaderWithoutRecordsGivesAnEmptySet) {
    test::TempDir dir;
    const Loaded l = Load(dir.write("t.txt", SrimTransmitHeader(kLine10)));
    EXPECT_EQ(l.report.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(l.set.count, 0);
    EXPECT_EQ(l.set.lineCount, 1);
}

TEST(TransmitReader, FileShorterThanItsHeaderLoadsAsAnEmptySet) {
    test::TempDir dir;
    const auto file = dir.write("t.txt", Lines({"x", "=  TRANSMIT.txt : File of Transmitted Ions  =", "end"}));
    const Loaded l = Load(file);
    EXPECT_EQ(l.report.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(l.set.count, 0);
    EXPECT_EQ(l.set.lineCount, -8);
    EXPECT_GE(l.set.records.size(), 1u);
    EXPECT_EQ(l.state.headerLine, "\n");
}

TEST(TransmitReader, LastRecordWithoutLineEndIsCounted) {
    test::TempDir dir;
    const Loaded l = Load(dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1}) + kRecord2));
    EXPECT_EQ(l.set.count, 2);
    EXPECT_TRUE(l.report.messages.empty());
}

TEST(TransmitReader, CutLastLinesAreSkippedWithOneWarning) {
    // The endings of interrupted SRIM runs: a bare ion number, a field cut in
    // the middle, and a cut that leaves ten convertible fields.
    const std::string cuts[] = {"T    3 ",
                                "T    3  6 .5213939E+07   1922000E+01 -.4944E+06 -.3917E+06   .9982640 -.046",
                                "T    3  6 .3073921E+08   4000000E+03  .8364E+07 -.9295E+07   .9999878  .0018504 -.0"};
    for (const std::string& cut : cuts) {
        SCOPED_TRACE(cut);
        test::TempDir dir;
        const Loaded l = Load(dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1, kRecord2}) + cut));
        ASSERT_EQ(l.report.outcome, LoadOutcome::Loaded);
        EXPECT_EQ(l.set.count, 2);
        ASSERT_EQ(l.report.messages.size(), 1u);
        EXPECT_EQ(l.report.messages[0], WarningMessage("1 line could not be read and was skipped: line 15."));
        EXPECT_EQ(l.set.record(2).cos_z, 0.0087617);
    }
}

TEST(TransmitReader, CompleteLastRecordOnAShorterLineIsCounted) {
    // One blank fewer before a positive number: shorter, but its last cosine
    // has all its decimals.
    const std::string shorter = "T    3  6 .5021068E+07  1128014E-01 .8270E+03 .9847E+03  .9990612 .0362965 .0236495";
    test::TempDir dir;
    const Loaded l = Load(dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1, kRecord2}) + shorter));
    EXPECT_EQ(l.set.count, 3);
    EXPECT_TRUE(l.report.messages.empty());
}

TEST(TransmitReader, FieldsThatDoNotConvertWholeOrFiniteMakeTheLineUnreadable) {
    // A record missing its last cosine whose energy is longer than 128
    // characters, and values the C library reads as inf and nan.
    const std::string missingCosine =
        "T    2  6 1" + std::string(129, '0') + " 1128014E-01  .8270E+03  .9847E+03   .9990612  .0362965";
    const std::string infinite = "T    3  6 inf   1128014E-01  .8270E+03  .9847E+03   .9990612  .0362965  .0236495";
    const std::string notANumber =
        "T    4  6 .5021068E+07   1128014E-01  nan  .9847E+03   .9990612  .0362965  .0236495";
    const std::string overflow = "T    5  6 .5021068E+07   1E+400  .8270E+03  .9847E+03   .9990612  .0362965  .0236495";
    test::TempDir dir;
    const Loaded l = Load(dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1, missingCosine, infinite,
                                                                                  notANumber, overflow, kRecord2})));
    ASSERT_EQ(l.set.count, 2);
    EXPECT_EQ(l.set.record(2).energy, 5119872.0);
    ASSERT_EQ(l.report.messages.size(), 1u);
    EXPECT_EQ(l.report.messages[0].text, "4 lines could not be read and were skipped; the first is line 14.");
}

TEST(TransmitReader, OverlongLinesAreSkippedWithoutBeingKept) {
    // Far past any record line; the lines around it still read.
    const std::string huge(3 * 1024 * 1024, '7');
    test::TempDir dir;
    const Loaded l = Load(dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1, huge, kRecord2}) + huge));
    EXPECT_EQ(l.set.count, 2);
    ASSERT_EQ(l.report.messages.size(), 1u);
    EXPECT_EQ(l.report.messages[0].text, "2 lines could not be read and were skipped; the first is line 14.");
}

TEST(TransmitReader, UnreadableLinesDoNotShiftTheRecordsAfterThem) {
    test::TempDir dir;
    const std::string broken =
        "T    2  6 .5119872E+07   1128007E-01 -.1056E+04  garbage    .9997611 -.0200240  .0087617";
    const std::string extra = kRecord1 + " .5";
    const auto file =
        dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1, broken, kRecord2, extra, kRecord3}));
    const Loaded l = Load(file);
    ASSERT_EQ(l.set.count, 3);
    EXPECT_EQ(l.set.record(2).energy, 5119872.0);
    EXPECT_EQ(l.set.record(3).energy, 6120653.0);
    ASSERT_EQ(l.report.messages.size(), 1u);
    EXPECT_EQ(l.report.messages[0].text, "2 lines could not be read and were skipped; the first is line 14.");
    EXPECT_EQ(l.report.messages[0].caption, "Warning");
    EXPECT_EQ(l.report.messages[0].icon, MessageIcon::Warning);
}

TEST(TransmitReader, TrailingBlanksAndBlankLinesAreTolerated) {
    test::TempDir dir;
    const auto file =
        dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1 + "   ", "", kRecord2, "  ", ""}));
    const Loaded l = Load(file);
    EXPECT_EQ(l.set.count, 2);
    EXPECT_TRUE(l.report.messages.empty());
}

TEST(TransmitReader, DecimalCommasReadAsPoints) {
    test::TempDir dir;
    const std::string comma =
        "T    1  6 ,5021068E+07   1128014E-01 -,8270E+03  ,9847E+03   ,9990612 -,0623602  ,0236495";
    // A comma inside a number, as a writer under a comma locale puts it.
    const std::string inside =
        "T    2  6 5,021068E+06  1,128014E+05 -8,27E+02  9,847E+02   0,9990612 -0,0623602  0,0236495";
    const Loaded l = Load(dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines({comma, inside})));
    ASSERT_EQ(l.set.count, 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(l.set.record(i).energy, 5021068.0);
        EXPECT_EQ(l.set.record(i).x, 112801.4);
        EXPECT_EQ(l.set.record(i).y, -827.0);
        EXPECT_EQ(l.set.record(i).cos_y, -0.0623602);
    }
}

TEST(TransmitReader, CheckFindsEitherBannerFromTheSecondCharacter) {
    test::TempDir dir;
    const std::string trimout = "===== TRIMOUT.txt: File of Transmitted / Backscattered / Sputtered Atoms =====";
    EXPECT_TRUE(CheckTransmitTxt(dir.write("a.txt", SrimTransmitHeader(kLine10, "\r\n", trimout))).passed());
    EXPECT_TRUE(CheckTransmitTxt(dir.write("b.txt", Lines({"xTRANSMIT.txt : File of Transmitted Ions", ""}))).passed());

    const CheckResult firstColumn =
        CheckTransmitTxt(dir.write("c.txt", Lines({"TRANSMIT.txt : File of Transmitted Ions", "more"})));
    EXPECT_EQ(firstColumn.outcome, CheckOutcome::Rejected);
    EXPECT_EQ(*firstColumn.message, ErrorMessage("Bad file opened!"));

    // The marker must be followed by at least one more line.
    EXPECT_FALSE(CheckTransmitTxt(dir.write("d.txt", "x\nxTRANSMIT.txt : File of Transmitted Ions\n")).passed());
    EXPECT_FALSE(CheckTransmitTxt(dir.write("e.txt", "")).passed());
    // Tab-separated tables without the header are not SRIM files.
    EXPECT_FALSE(CheckTransmitTxt(dir.write("f.txt", "T\t1\t1\t.5038576E+07\t7694201E+00\n")).passed());
}

TEST(TransmitReader, LoadOutcomesSetTheSourceKind) {
    test::TempDir dir;
    AppState state;
    ParticleSet set;
    const auto good = dir.write("good.txt", SrimTransmitHeader(kLine10) + Lines({kRecord1, kRecord2}));
    ASSERT_EQ(LoadParticleFile(SourceKind::TransmitTxt, good, state, set).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(state.inputPath, good.string());

    // A rejected file keeps the previous set under its own kind and path, so a
    // WinAGILE set is never taken for TRANSMIT.TXT.
    state.sourceKind = SourceKind::WinAgile;
    const auto bad = dir.write("bad.txt", "no marker here\n");
    const LoadReport rejected = LoadParticleFile(SourceKind::TransmitTxt, bad, state, set);
    EXPECT_EQ(rejected.outcome, LoadOutcome::Rejected);
    EXPECT_EQ(state.sourceKind, SourceKind::WinAgile);
    EXPECT_EQ(state.inputPath, good.string());
    EXPECT_EQ(set.count, 2);

    // A file that cannot be opened leaves no kind.
    const LoadReport missing = LoadParticleFile(SourceKind::TransmitTxt, dir.path() / "missing.txt", state, set);
    EXPECT_EQ(missing.outcome, LoadOutcome::CannotOpen);
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0], ErrorMessage("Cannot open a file!"));
    EXPECT_EQ(state.sourceKind, SourceKind::None);
    EXPECT_EQ(set.count, 2);
}

TEST(TransmitReader, ProgressAdvancesFiveForTheCountThenByRecords) {
    struct Recorder : Progress {
        int total = 0;
        void advance(int steps) override { total += steps; }
    } progress;
    test::TempDir dir;
    std::vector<std::string> records(190, kRecord1);
    const auto file = dir.write("t.txt", SrimTransmitHeader(kLine10) + Lines(records));
    AppState state;
    ParticleSet set;
    LoadParticleFile(SourceKind::TransmitTxt, file, state, set, progress);
    // lineCount 191: one step every 191 / 95 = 2 records.
    EXPECT_EQ(progress.total, 5 + 95);
}

}  // namespace
}  // namespace zelkor
