#include "support/run_batch.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace zelkor {
namespace {

using test::RunBatchWords;

const std::string kLine10 = "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================";

// One TRANSMIT.TXT record line with the given energy in eV.
std::string Record(int ion, double energy) {
    char line[160];
    std::snprintf(line, sizeof line, "T %4d  6 %.7E   1000000E-02  .8270E+03  .9847E+03   .9990612  .0362965  .0236495",
                  ion, energy);
    return line;
}

// The ions counted in a printed table: the last cell of every row but the header.
int SumOfCounts(const std::string& table) {
    std::istringstream lines(table);
    std::string line;
    std::getline(lines, line);
    int sum = 0;
    while (std::getline(lines, line)) sum += std::stoi(line.substr(line.rfind('\t') + 1));
    return sum;
}

class StatsCommands : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string transmit(const std::vector<double>& energies, const std::string& name = "ions.txt") const {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < energies.size(); ++i) lines.push_back(Record(static_cast<int>(i + 1), energies[i]));
        return dir.write(name, test::SrimTransmitHeader(kLine10) + test::Lines(lines)).string();
    }
    std::string oneToTen() const { return transmit({1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000}); }
};

TEST_F(StatsCommands, BasicAnalysisRows) {
    const auto run = RunBatchWords({"stats", transmit({1000, 2000, 3000}), "--quantity", "KinEnerg", "--unit", "keV"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "E(min) = 1.000000E+00 keV\nE(max) = 3.000000E+00 keV\nE(str) = 2.000000E+00 keV\n"
              "E(max) - E(min) = 2.000000E+00 keV\nDispersion = 6.666667E-01 keV^2\nsigma = 8.164966E-01 keV\n"
              "3x sigma = 2.449490E+00 keV\n");
}

TEST_F(StatsCommands, FilterRowsThenTheRejectionLine) {
    const auto run = RunBatchWords({"stats", oneToTen(), "--quantity", "KinEnerg", "--filter", "1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, 26), "E(min) = 3.000000E+03 eV\nE");
    EXPECT_NE(run.out.find("\nE(max) = 8.000000E+03 eV\n"), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 38), "Number of particles rejected: 4 of 10\n");

    const auto tooLow = RunBatchWords({"stats", transmit({5000, 5000}), "--quantity", "KinEnerg", "--filter", "2"});
    EXPECT_EQ(tooLow.status, 0);
    EXPECT_EQ(tooLow.err, "Value sigma multiplier is too low\n");
    EXPECT_EQ(tooLow.out, "Number of particles rejected: 0 of 2\n");

    const auto invalid = RunBatchWords({"stats", oneToTen(), "--quantity", "PosY", "--filter", "0.0009"});
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.out, "");
    EXPECT_EQ(invalid.err, "Value sigma multiplier is too low. Value must be > 0.001 and <= 1000\n");
}

TEST_F(StatsCommands, MomentumNeedsTheRelativisticInputs) {
    const std::string file = transmit({1e6, 1e6});
    const auto refused = RunBatchWords({"stats", file, "--quantity", "Mom"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Missing value A (number of nucleons) and amu (ion mass in atomic mass unit)\n");

    const auto proton =
        RunBatchWords({"stats", file, "--quantity", "Mom", "--unit", "MeV/c", "--A", "1", "--amu", "1.00727646688"});
    EXPECT_EQ(proton.status, 0);
    EXPECT_EQ(proton.out.substr(0, 28), "M(min) = 4.333064E+01 MeV/c\n");

    const auto perNucleon = RunBatchWords({"stats", file, "--quantity", "EnergA", "--A", "4", "--amu", "4"});
    EXPECT_EQ(perNucleon.out.substr(0, 27), "E/A(min) = 2.500000E+05 eV\n");

    const auto halfGiven = RunBatchWords({"stats", file, "--quantity", "KinEnerg", "--A", "4"});
    EXPECT_EQ(halfGiven.status, 1);
    EXPECT_EQ(halfGiven.err, "Missing value amu(atomic mass unit)\n");
    const auto notWhole = RunBatchWords({"stats", file, "--quantity", "Mom", "--A", "4.0", "--amu", "4"});
    EXPECT_EQ(notWhole.err, "Value A(number of nucleons) must be integer > 0\n");
}

TEST_F(StatsCommands, WinAgileSetsAndUsageErrors) {
    const std::string points = dir.write("beam.pnt", "1e-3 0.5 2e-3 0.25 0 1\n3e-3 0.75 4e-3 0.5 0 1\n").string();
    const auto slope = RunBatchWords({"stats", points, "--quantity", "dYdX", "--unit", "mrad"});
    EXPECT_EQ(slope.status, 0);
    EXPECT_EQ(slope.out.substr(0, 37), "dY/dX(min) = 500.0000000000 mrad\ndY/d");
    const auto energy = RunBatchWords({"stats", points, "--quantity", "KinEnerg"});
    EXPECT_EQ(energy.status, 1);
    EXPECT_EQ(energy.err, "This function is available only for TRANSMIT.TXT\n");
    const auto relativistic = RunBatchWords({"stats", points, "--quantity", "PosY", "--A", "1", "--amu", "1"});
    EXPECT_EQ(relativistic.status, 1);
    EXPECT_EQ(relativistic.err, "This function is available only for TRANSMIT.TXT\n");

    EXPECT_EQ(RunBatchWords({"stats", points, "--quantity", "Energy"}).status, 2);
    EXPECT_EQ(RunBatchWords({"stats", points, "--quantity", "PosY", "--unit", "keV"}).status, 2);
    EXPECT_EQ(RunBatchWords({"stats", points}).status, 2);
}

TEST_F(StatsCommands, AFileWithoutIonsSaysSo) {
    const std::string empty = transmit({}, "empty.txt");
    for (const char* command : {"stats", "histogram"}) {
        std::vector<std::string> words = {command, empty, "--quantity", "PosY"};
        if (std::string(command) == "histogram") words.push_back("--default");
        const auto run = RunBatchWords(words);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "The loaded file holds no ions.\n") << command;
    }
}

TEST_F(StatsCommands, HistogramTableWithTabs) {
    const auto run = RunBatchWords(
        {"histogram", transmit({1000, 2000, 3000, 10000}), "--quantity", "KinEnerg", "--unit", "keV", "--width", "1"});
    EXPECT_EQ(run.status, 0);
    const std::string expectedStart =
        " Order\t Interval Kin. Energy [keV]\t Number of ions\n"
        "1\t<-2.500E+00, -1.500E+00)\t0\n";
    EXPECT_EQ(run.out.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(run.out.find("\n4\t<5.000E-01, 1.500E+00)\t1\n"), std::string::npos);
    const std::string last = "\n13\t<9.500E+00, 1.050E+01)\t1\n";
    EXPECT_EQ(run.out.substr(run.out.size() - last.size()), last);

    const auto byDefault =
        RunBatchWords({"histogram", transmit({1000, 2000, 3000, 10000}), "--quantity", "KinEnerg", "--default"});
    EXPECT_EQ(byDefault.status, 0);
    EXPECT_NE(byDefault.out.find("\n101\t"), std::string::npos);
    EXPECT_EQ(byDefault.out.find("\n102\t"), std::string::npos);
}

TEST_F(StatsCommands, HistogramWithACommittedFilterAndZoom) {
    const std::string file = oneToTen();
    const auto filtered = RunBatchWords(
        {"histogram", file, "--quantity", "KinEnerg", "--filter", "1", "--display", "filtered", "--width", "1000"});
    EXPECT_EQ(filtered.status, 0);
    // Accepted 3000..8000 give the range [3000, 8000] and five intervals ending
    // exactly at 8000: that ion is in none.
    EXPECT_EQ(SumOfCounts(filtered.out), 5);

    const auto noZoom = RunBatchWords({"histogram", file, "--quantity", "KinEnerg", "--display", "zoom", "--default"});
    EXPECT_EQ(noZoom.status, 1);
    EXPECT_EQ(noZoom.err, "Missing value sigma multiplier\n");
    const auto zoomed =
        RunBatchWords({"histogram", file, "--quantity", "KinEnerg", "--display", "zoom", "--zoom", "2", "--default"});
    EXPECT_EQ(zoomed.status, 0);
    EXPECT_NE(zoomed.out.find("\n101\t"), std::string::npos);

    const auto tooHigh = RunBatchWords({"histogram", file, "--quantity", "AngX", "--width", "1e9"});
    EXPECT_EQ(tooHigh.status, 1);
    EXPECT_EQ(tooHigh.err,
              "Value Range of interval is too high\nNumber of intervals is: < 1\n"
              "Number of intervals must be >= 1 and <= 1001\n");
    const auto tooLow = RunBatchWords({"histogram", file, "--quantity", "KinEnerg", "--width", "1"});
    EXPECT_EQ(tooLow.status, 1);
    EXPECT_NE(tooLow.err.find("Number of intervals is: 9001\n"), std::string::npos);

    EXPECT_EQ(RunBatchWords({"histogram", file, "--quantity", "KinEnerg"}).status, 2);
    EXPECT_EQ(RunBatchWords({"histogram", file, "--quantity", "KinEnerg", "--width", "1", "--default"}).status, 2);
    EXPECT_EQ(RunBatchWords({"histogram", file, "--quantity", "KinEnerg", "--display", "all", "--default"}).status, 2);
}

// With the default width the outer intervals reach beyond the extreme ions:
// every ion of a sample file is counted once.
TEST(StatsCommandsOnSamples, DefaultWidthCountsEveryIon) {
    const std::string dir = ZELKOR_EXAMPLES_DIR;
    const struct {
        std::string file;
        int ions;
        std::vector<std::string> quantities;
    } samples[] = {
        {"transmit-sample.txt", 36, {"KinEnerg", "PosYZ", "AngX", "dZdX"}},
        {"trim-sample.dat", 32, {"PosabsY", "AngZ", "dYdX"}},
        {"winagile-sample.pnt", 32, {"PosY", "PosZ", "dYdX", "dZdX"}},
    };
    for (const auto& sample : samples) {
        for (const std::string& quantity : sample.quantities) {
            const auto run = RunBatchWords({"histogram", dir + "/" + sample.file, "--quantity", quantity, "--default"});
            EXPECT_EQ(run.status, 0) << sample.file << " " << quantity << ": " << run.err;
            EXPECT_EQ(SumOfCounts(run.out), sample.ions) << sample.file << " " << quantity;
        }
    }
}

}  // namespace
}  // namespace zelkor
