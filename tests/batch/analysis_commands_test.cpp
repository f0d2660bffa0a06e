#include "stats/fit/fit_gaussian.hpp"
#include "support/run_batch.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdio>

namespace zelkor {
namespace {

using test::RunBatchWords;

class AnalysisCommands : public ::testing::Test {
protected:
    test::TempDir dir;
    // A TRANSMIT.TXT whose ions carry the given energies in eV.
    std::string transmit(const std::vector<double>& energies) const {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < energies.size(); ++i) {
            char line[160];
            std::snprintf(line, sizeof line,
                          "T %4zu  6 %.7E   1000000E-02  .8270E+03  .9847E+03   .9990612  .0362965  .0236495", i + 1,
                          energies[i]);
            lines.emplace_back(line);
        }
        return dir.write("ions.txt", test::SrimTransmitHeader("== C(20 MeV) ==") + test::Lines(lines)).string();
    }
};

TEST_F(AnalysisCommands, MoreStatisticsFollowTheRowsTheyDescribe) {
    // 1 .. 9 keV and one outlier at 100 keV, which the 2-sigma filter rejects.
    const std::string file = transmit({1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 100000});
    const auto all = RunBatchWords({"stats", file, "--quantity", "KinEnerg", "--unit", "keV", "--more"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_NE(all.out.find("3x sigma = "), std::string::npos);
    EXPECT_NE(all.out.find("\nE(median) = 5.500000E+00 keV\n"), std::string::npos);

    const auto filtered =
        RunBatchWords({"stats", file, "--quantity", "KinEnerg", "--unit", "keV", "--filter", "2", "--more"});
    ASSERT_EQ(filtered.status, 0) << filtered.err;
    // Of 1 .. 9 keV: sigma s = sqrt(60 / 9), s / 3, s / 4, the middle value 5 keV, no skew.
    EXPECT_NE(filtered.out.find("\nError of E(str) = 8.606630E-01 keV\nError of sigma = 6.454972E-01 keV\n"
                                "E(median) = 5.000000E+00 keV\n"),
              std::string::npos);
    EXPECT_NE(filtered.out.find("\nSkewness = 0.000000E+00\nExcess kurtosis = -1.230000E+00\n"
                                "Number of particles rejected: 1 of 10\n"),
              std::string::npos);

    const auto tooFine = RunBatchWords({"stats", file, "--quantity", "KinEnerg", "--more", "--width", "1"});
    EXPECT_EQ(tooFine.status, 1);
    EXPECT_EQ(tooFine.err.substr(0, 35), "Value Range of interval is too low\n");
    EXPECT_EQ(RunBatchWords({"stats", file, "--quantity", "KinEnerg", "--width", "1"}).status, 2);
}

TEST_F(AnalysisCommands, HistogramFitFollowsTheTable) {
    // A triangle of counts over seven intervals of 1 keV around 10 keV.
    std::vector<double> energies;
    const int counts[] = {2, 6, 14, 20, 14, 6, 2};
    for (int k = 0; k < 7; ++k)
        for (int i = 0; i < counts[k]; ++i) energies.push_back(7000.0 + 1000.0 * k + (i % 2 ? 0.1 : -0.1));
    const std::string file = transmit(energies);
    const auto run =
        RunBatchWords({"histogram", file, "--quantity", "KinEnerg", "--unit", "keV", "--width", "1", "--fit"});
    if (!GaussianFitAvailable()) {
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "The Gaussian fit is not available in this build\n");
        return;
    }
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t fit = run.out.find("\nAmplitude = ");
    ASSERT_NE(fit, std::string::npos);
    EXPECT_EQ(run.out.substr(fit - 2, 2), "\t2");                             // the table's last row comes first
    EXPECT_NE(run.out.find("\nMean = 1.000000E+01 +- "), std::string::npos);  // symmetric counts
    EXPECT_NE(run.out.find(" keV\nSigma = "), std::string::npos);
    EXPECT_NE(run.out.find(" keV\nchi2 / ndf = "), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 5), " / 4\n");

    const auto few = RunBatchWords(
        {"histogram", transmit({1000, 2000, 2000, 3000}), "--quantity", "KinEnerg", "--default", "--fit"});
    EXPECT_EQ(few.status, 1);
    EXPECT_NE(few.out.find("\n101\t"), std::string::npos);
    EXPECT_EQ(few.err,
              "Too few intervals hold ions for a Gaussian fit\nNumber of intervals with ions is: 3\n"
              "Number of intervals with ions must be >= 4\n");
}

}  // namespace
}  // namespace zelkor
