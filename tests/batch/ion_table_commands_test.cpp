#include "support/run_batch.hpp"
#include "support/srim_text.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::RunBatchWords;

class IonTableCommands : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string transmit() const {
        return dir
            .write(
                "ions.txt",
                test::SrimTransmitHeader(
                    "====== TRIM Calc.=  C(20 MeV) ==> Layer 1( 11.2 um) ==========================") +
                    test::Lines(
                        {"T    1  6 2.0000000E+07   1000000E-02  .8270E+03 -.2500E+08   .8000000  .6000000  .0000000"}))
            .string();
    }
};

TEST_F(IonTableCommands, PositionsPrintTitlesInUtf8AndOneRowPerIon) {
    const auto run = RunBatchWords({"positions", transmit(), "--absz", "mm", "--y", "um"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, " Ion\t Y [\xC2\xB5m]\t | Z | [mm]\n1\t8.270000E-02\t2.500000E+00\n");
}

TEST_F(IonTableCommands, AnglesInTheirFormats) {
    const auto run = RunBatchWords({"angles", transmit(), "--angz", "mrad", "--dydx", "mrad", "--dzdx", "mrad"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              " Ion\t Z [mrad]\t dY/dX [mrad]\t dZ/dX [mrad]\n1\t1570.7963267949\t750.0000000000\t0.0000000000E+00\n");
}

TEST_F(IonTableCommands, NothingTickedOrAWrongUnitStops) {
    const auto none = RunBatchWords({"positions", transmit()});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No items selected\n");
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(RunBatchWords({"angles", transmit(), "--dydx", "deg"}).status, 2);
}

}  // namespace
}  // namespace zelkor
