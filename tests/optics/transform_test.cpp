#include "optics/transform.hpp"
#include "optics/transform_listing.hpp"
#include "optics/transfer_matrix.hpp"

#include "io/printf_format.hpp"
#include "optics/particle_sets.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace zelkor {
namespace {

using optics_test::Ion;
using optics_test::SetOf;

std::array<std::string, 16> Texts(const char* words) {
    std::array<std::string, 16> texts;
    std::istringstream in(words);
    for (auto& t : texts) in >> t;
    return texts;
}

TransferMatrix Drift(double metres) {
    TransferMatrix m = IdentityMatrix4();
    m[0][1] = metres;
    m[2][3] = metres;
    return m;
}

TEST(ReadTransferMatrix, ChecksEachFieldInOrderAndKeepsTheOldMatrixOnAFailure) {
    TransferMatrix m = Drift(2.0);
    auto texts = Texts("5 0 0 0  0 1 0 0  0 0 1 0  0 0 0 1");
    texts[6].clear();  // hv21
    texts[9] = "x";    // vh12
    ASSERT_EQ(ReadTransferMatrix(texts, m), ErrorMessage("Missing value hv21"));
    EXPECT_EQ(m, Drift(2.0));
    texts[6] = "-3.5";
    ASSERT_EQ(ReadTransferMatrix(texts, m), ErrorMessage("Value vh12 must be real number"));
    EXPECT_EQ(m, Drift(2.0));
    texts[9] = "0";
    ASSERT_FALSE(ReadTransferMatrix(texts, m).has_value());
    EXPECT_EQ(m[0][0], 5.0);
    EXPECT_EQ(m[1][2], -3.5);
    EXPECT_EQ(m[0][1], 0.0);
}

TEST(ReadTransferMatrix, DefaultTextsAreTheIdentity) {
    TransferMatrix m{};
    ASSERT_FALSE(ReadTransferMatrix(IdentityMatrixTexts(), m).has_value());
    EXPECT_EQ(m, IdentityMatrix4());
    EXPECT_EQ(IdentityMatrixTexts()[5], "1");
    EXPECT_EQ(IdentityMatrixTexts()[1], "0");
}

TEST(Transform, DriftMovesTheIonAlongItsSlope) {
    const ParticleRecord r = Ion(0, 0, 0.8, 0.6, 0);
    const TransformRow row = TransformOf(r, false, Drift(1.0));
    EXPECT_EQ(TransformCell(1, row, 2), "7.5000000000E-01");
    EXPECT_EQ(TransformCell(1, row, 4), "7.5000000000E-01");
    const ParticleRecord file = TransformCosineRecord(r, Drift(1.0));
    EXPECT_EQ(FormatDouble("%.10lE", file.y), "7.5000000000E+09");
    EXPECT_EQ(FormatDouble("%.10lf", file.cos_y), "0.6000000000");
    EXPECT_EQ(file.cos_x, 0.8);
}

TEST(Transform, IdentityKeepsEveryCoordinate) {
    const ParticleRecord r = Ion(-1234.5, 678.9, 0.9, -0.3, 0.1);
    const TransformRow row = TransformOf(r, false, IdentityMatrix4());
    for (int c = 1; c <= 7; c += 2) EXPECT_EQ(TransformColumnValue(row, c), TransformColumnValue(row, c + 1));
    const ParticleRecord file = TransformCosineRecord(r, IdentityMatrix4());
    EXPECT_EQ(FormatDouble("%.10lE", file.y), FormatDouble("%.10lE", r.y));
    EXPECT_EQ(FormatDouble("%.10lf", file.cos_y), "-0.3000000000");
    EXPECT_EQ(FormatDouble("%.10lf", file.cos_z), "0.1000000000");
}

TEST(Transform, WinAgileSlopesAreTakenAsStored) {
    ParticleRecord r = Ion(1e7, 0, 0.0, 0.002, 0);  // cos_x of a point file carries nothing
    TransferMatrix m = IdentityMatrix4();
    m[0][0] = 2.0;
    const TransformRow row = TransformOf(r, true, m);
    EXPECT_EQ(TransformCell(1, row, 2), "2.0000000000E-03");
    EXPECT_EQ(TransformCell(1, row, 3), "2.0000000000E-03");
}

TEST(Transform, TrimDatSlopeIsTheCosineRatio) {
    const TransformRow row = TransformOf(Ion(0, 0, 0.5, 0.1, 0), false, IdentityMatrix4());
    EXPECT_EQ(TransformCell(7, row, 3), "2.0000000000E-01");
    EXPECT_EQ(TransformCell(7, row, 0), "7");
}

TEST(Transform, CouplingTermsMixThePlanes) {
    // Z' picks up the horizontal position through vh21 and Y through hv11.
    TransferMatrix m = IdentityMatrix4();
    m[3][0] = 0.5;  // vh21 [1/m]
    m[0][2] = 2.0;  // hv11
    const ParticleRecord r = Ion(1e10, 3e10, 1.0, 0.0, 0.0);
    const TransformRow row = TransformOf(r, false, m);
    EXPECT_DOUBLE_EQ(row.after.zp, 0.5);
    EXPECT_DOUBLE_EQ(row.after.y, 7.0);
    const ParticleRecord file = TransformCosineRecord(r, m);
    EXPECT_DOUBLE_EQ(file.cos_z, 0.5);
    EXPECT_DOUBLE_EQ(file.y, 7e10);
}

TEST(TransformListing, ListsEveryIonTabSeparated) {
    ParticleSet set = SetOf({Ion(1e7, 0, 1, 0, 0), Ion(-2e7, 1e7, 0.8, 0.6, 0)});
    set.records[1].accepted = 0;
    std::ostringstream out;
    optics_test::StepCounter progress;
    WriteTransformListing(out, set, SourceKind::TransmitTxt, Drift(1.0), progress);
    EXPECT_EQ(out.str(),
              "Ion\tY(old) [m]\tY(new) [m]\tdY/dX(old) [rad]\tdY/dX(new) [rad]\tZ(old) [m]\tZ(new) [m]\t"
              "dZ/dX(old) [rad]\tdZ/dX(new) [rad]\n"
              "1\t1.0000000000E-03\t1.0000000000E-03\t0.0000000000E+00\t0.0000000000E+00\t0.0000000000E+00\t"
              "0.0000000000E+00\t0.0000000000E+00\t0.0000000000E+00\n"
              "2\t-2.0000000000E-03\t7.4800000000E-01\t7.5000000000E-01\t7.5000000000E-01\t1.0000000000E-03\t"
              "1.0000000000E-03\t0.0000000000E+00\t0.0000000000E+00\n");
    EXPECT_EQ(progress.advanced, 2);
    EXPECT_EQ(progress.yields, 2);
}

TEST(TransformListing, EmptySetGivesTheHeaderOnly) {
    std::ostringstream out;
    WriteTransformListing(out, ParticleSet{}, SourceKind::WinAgile, IdentityMatrix4());
    EXPECT_EQ(out.str().find('\n'), out.str().size() - 1);
}

}  // namespace
}  // namespace zelkor
