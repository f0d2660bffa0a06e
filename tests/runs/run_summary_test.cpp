#include "optics/sigma_matrix.hpp"
#include "runs/run_table.hpp"
#include "runs/summarize_runs.hpp"
#include "support/run_batch.hpp"
#include "support/srim_text.hpp"
#include "stats/kernels.hpp"
#include "stats/page_more_statistics.hpp"
#include "support/particle_sets.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <sstream>

namespace zelkor {
namespace {

using test::RunBatchWords;

const std::string kLine10 = "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================";

// A TRANSMIT.TXT as SRIM writes it: CR LF, 240 transmitted ions of a spread
// beam, and a last line cut short by an interrupted run.
std::string RealLikeTransmit() {
    std::mt19937 random(11);
    std::normal_distribution<double> energy(5.0e6, 1.5e5), position(0.0, 800.0), slope(0.0, 0.02);
    std::vector<std::string> lines;
    for (int ion = 1; ion <= 240; ++ion) {
        const double y = position(random), z = position(random);
        const double dy = slope(random) + y * 1e-5, dz = slope(random);
        const double cx = 1.0 / std::sqrt(1.0 + dy * dy + dz * dz);
        char line[160];
        std::snprintf(line, sizeof line, "T %4d  6 %.7E   1120000E-01 %.4E %.4E  %9.7f %9.7f %9.7f", ion,
                      energy(random), y, z, cx, dy * cx, dz * cx);
        lines.push_back(line);
    }
    lines.push_back("T  241  6 .4873150E+07   11280");
    return test::SrimTransmitHeader(kLine10) + test::Lines(lines);
}

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    for (std::string cell; std::getline(stream, cell, separator);) cells.push_back(cell);
    if (!line.empty() && line.back() == separator) cells.emplace_back();
    return cells;
}

// The CSV row of the only file, by column name.
std::map<std::string, std::string> CsvRow(const std::string& csv) {
    std::istringstream lines(csv);
    std::string header, row;
    std::getline(lines, header);
    std::getline(lines, row);
    const auto names = Split(header, ','), cells = Split(row, ',');
    std::map<std::string, std::string> byName;
    for (std::size_t c = 0; c < names.size() && c < cells.size(); ++c) byName[names[c]] = cells[c];
    return byName;
}

// The number after " = " in the line of a command's output that starts with head.
std::string Printed(const std::string& output, const std::string& head) {
    const std::size_t at = output.find(head + " = ");
    if (at == std::string::npos) return "missing " + head;
    const std::size_t from = at + head.size() + 3;
    return output.substr(from, output.find_first_of(" \n", from) - from);
}

std::string AsPrinted(const std::string& exact) {
    char text[40];
    std::snprintf(text, sizeof text, "%E", std::stod(exact));
    return text;
}

TEST(RunSummary, RowEqualsTheSingleFileCommands) {
    test::TempDir dir;
    const std::string file = dir.write("run.txt", RealLikeTransmit()).string();
    const auto summary = RunBatchWords({"summary", file, "--format", "csv"});
    ASSERT_EQ(summary.status, 0) << summary.err;
    auto row = CsvRow(summary.out);
    EXPECT_EQ(row["file"], file);
    EXPECT_EQ(row["kind"], "TransmitTxt");
    EXPECT_NE(RunBatchWords({"info", file}).out.find("\ncount: " + row["count"] + "\n"), std::string::npos);
    EXPECT_EQ(row["count"], "240");
    EXPECT_EQ(row["skipped"], "1");
    EXPECT_EQ(row["message"], "");

    const std::string energy = RunBatchWords({"stats", file, "--quantity", "KinEnerg", "--more"}).out;
    EXPECT_EQ(AsPrinted(row["energy_mean"]), Printed(energy, "E(str)"));
    EXPECT_EQ(AsPrinted(row["energy_sigma"]), Printed(energy, "sigma"));
    EXPECT_EQ(AsPrinted(row["energy_mean_error"]), Printed(energy, "Error of E(str)"));
    EXPECT_EQ(AsPrinted(row["energy_sigma_error"]), Printed(energy, "Error of sigma"));
    EXPECT_EQ(AsPrinted(row["energy_fwhm"]), Printed(energy, "FWHM"));
    for (const auto& [column, quantity] : std::map<std::string, std::string>{
             {"sigma_y", "PosY"}, {"sigma_z", "PosZ"}, {"sigma_dydx", "dYdX"}, {"sigma_dzdx", "dZdX"}}) {
        const std::string stats = RunBatchWords({"stats", file, "--quantity", quantity, "--unit",
                                                 column.find("dx") != std::string::npos ? "rad" : "A"})
                                      .out;
        const double printed = std::stod(Printed(stats, "sigma"));
        EXPECT_NEAR(std::stod(row[column]), printed, 5e-7 * printed) << column;  // angles print as %.10lf
        if (column[6] != 'd') {
            EXPECT_EQ(AsPrinted(row[column]), Printed(stats, "sigma")) << column;
        }
    }
    const std::string twiss = RunBatchWords({"sigma-matrix", file, "--twiss"}).out;
    for (const char* plane : {"Y", "Z"}) {
        const std::string p = plane[0] == 'Y' ? "y" : "z";
        EXPECT_EQ(AsPrinted(row["eps_rms_" + p]), Printed(twiss, std::string("eps_rms(") + plane + ")"));
        EXPECT_EQ(AsPrinted(row["beta_" + p]), Printed(twiss, std::string("beta(") + plane + ")"));
        EXPECT_EQ(AsPrinted(row["alpha_" + p]), Printed(twiss, std::string("alpha(") + plane + ")"));
    }
}

// The row's figures are those of the kernels and of "More statistics", bit for bit.
TEST(RunSummary, FiguresHaveTheKernelsBits) {
    std::mt19937 random(5);
    std::normal_distribution<double> normal(0.0, 1.0);
    std::vector<ParticleRecord> records(3001);
    for (ParticleRecord& r : records) {
        r.energy = 5.0e6 + 1.0e5 * normal(random);
        r.y = 300.0 * normal(random);
        r.z = 200.0 * normal(random) + 50.0;
        r.cos_x = 0.999 + 0.0005 * normal(random);
        r.cos_y = 0.02 * normal(random);
        r.cos_z = 0.01 * normal(random);
    }
    const ParticleSet set = test::SetOfRecords(records);
    for (const SourceKind kind : {SourceKind::TransmitTxt, SourceKind::WinAgile}) {
        RunSummary row;
        SummarizeSet(set, kind, row);
        const auto sigma = [&](QuantityId q) { return SigmaAll(set, {q, 0, kind, 1, 1.0}); };
        EXPECT_EQ(row.sigmaY, sigma(QuantityId::PosY));
        EXPECT_EQ(row.sigmaZ, sigma(QuantityId::PosZ));
        EXPECT_EQ(row.sigmaDYDX, sigma(QuantityId::dYdX));
        EXPECT_EQ(row.sigmaDZDX, sigma(QuantityId::dZdX));
        EXPECT_EQ(row.planeZ.alpha, PlaneParametersOf(ComputeSigmaMatrix(set, kind), Plane::Z).alpha);
        EXPECT_EQ(row.energy.has_value(), kind != SourceKind::WinAgile);
    }
    RunSummary row;
    SummarizeSet(set, SourceKind::TransmitTxt, row);
    const StatSummary energy = SummarizeAll(set, {QuantityId::KinEnerg, 0, SourceKind::TransmitTxt, 1, 1.0});
    AppState state;
    state.sourceKind = SourceKind::TransmitTxt;
    const auto more = MoreStatisticsFor(state, set, StatPage::Energy, StatScope::All, energy, "");
    EXPECT_EQ(row.energy->mean, energy.mean);
    EXPECT_EQ(row.energy->sigma, energy.sigma);
    EXPECT_EQ(row.energy->meanError, more.value->meanError);
    EXPECT_EQ(row.energy->sigmaError, more.value->sigmaError);
    EXPECT_EQ(row.energy->fwhm, more.value->fwhm);
    ASSERT_TRUE(row.energy->fwhm);
}

TEST(RunSummary, RowsKeepTheirOrderAndFailuresTheirMessages) {
    test::TempDir dir;
    const std::string good = dir.write("good.txt", RealLikeTransmit()).string();
    const std::string points = std::string(ZELKOR_EXAMPLES_DIR) + "/winagile-sample.pnt";
    const std::string refused = dir.write("other.txt", "not a TRANSMIT.TXT\r\n").string();
    const std::string noKind = dir.write("beam.csv", "1,2\n").string();
    const std::string empty = dir.write("empty.txt", test::SrimTransmitHeader(kLine10)).string();
    const std::vector<RunRequest> requests = {
        {good, {}}, {dir / "missing.txt", {}}, {points, {}}, {refused, {}}, {noKind, {}}, {empty, {}}, {good, {}}};

    std::vector<int> heard(requests.size(), 0);
    // Two threads and a budget below any file: one file at a time, every file still read.
    const auto rows = SummarizeRuns(requests, RunPool{2, 1}, [&](std::size_t i, const RunSummary&) { ++heard[i]; });
    EXPECT_EQ(heard, std::vector<int>(requests.size(), 1));
    ASSERT_EQ(rows.size(), requests.size());
    EXPECT_TRUE(rows[0].ok() && rows[2].ok() && rows[6].ok());
    EXPECT_EQ(rows[1].failure->text, "Cannot open a file!");
    EXPECT_EQ(rows[3].failure->text, "Bad file opened!");
    EXPECT_EQ(rows[4].failure->text, "Cannot tell the kind of a file from its extension!");
    EXPECT_EQ(rows[5].failure->text, "The loaded file holds no ions.");
    EXPECT_EQ(rows[2].kind, SourceKind::WinAgile);
    EXPECT_FALSE(rows[2].energy);
    EXPECT_EQ(rows[0].energy->mean, rows[6].energy->mean);
    EXPECT_EQ(RunSummaryTable({rows[0]}, RunTableFormat::Csv),
              RunSummaryTable(SummarizeRuns({{good, {}}}, RunPool{1}), RunTableFormat::Csv));

    const auto batch = RunBatchWords({"summary", good, points, (dir / "missing.txt").string()});
    EXPECT_EQ(batch.status, 1);
    EXPECT_NE(batch.out.find("Cannot open a file!\n"), std::string::npos);
    EXPECT_EQ(RunBatchWords({"summary"}).status, 2);
    EXPECT_EQ(RunBatchWords({"summary", good, "--format", "xml"}).status, 2);
}

TEST(RunTable, FormatsQuoteEscapeAndMarkMissingFigures) {
    RunSummary failed;
    failed.path = "a,\"b\".txt";
    failed.kind = SourceKind::TransmitTxt;
    failed.failure = ErrorMessage("Line one\nline two");
    RunSummary single;
    single.path = "one.pnt";
    single.kind = SourceKind::WinAgile;
    single.count = 1;
    single.planeY.emittance = 0.0;  // undefined beta and alpha
    single.planeZ = {2.0, 0.5, 2.5, -0.25, true};

    const std::string csv = RunSummaryTable({failed, single}, RunTableFormat::Csv);
    EXPECT_EQ(csv.substr(csv.find('\n') + 1),
              "\"a,\"\"b\"\".txt\",TransmitTxt,,,,,,,,,,,,,,,,,,\"Line one\nline two\"\n"
              "one.pnt,WinAgile,1,0,,,,,,0,0,0,0,0,undefined,undefined,2,0.5,-0.25,\n");
    const std::string json = RunSummaryTable({failed}, RunTableFormat::Json);
    EXPECT_EQ(json.rfind("[\n  {\"file\": \"a,\\\"b\\\".txt\", \"kind\": \"TransmitTxt\", \"count\": null,", 0), 0U);
    EXPECT_NE(json.find("\"message\": \"Line one\\u000aline two\"}\n]\n"), std::string::npos);
    EXPECT_EQ(RunSummaryTable({}, RunTableFormat::Json), "[]\n");
    const std::string text = RunSummaryTable({failed}, RunTableFormat::Text);
    EXPECT_NE(text.find("Line one line two\n"), std::string::npos);
}

}  // namespace
}  // namespace zelkor
