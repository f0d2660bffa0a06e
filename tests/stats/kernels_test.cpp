#include "stats/kernels.hpp"
#include "stats/quantity_value.hpp"
#include "stats/stat_test_sets.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace zelkor {
namespace {

using stats_test::Bits;
using stats_test::Select;
using stats_test::SetOfEnergies;

const QuantitySelection kEnergy = Select(QuantityId::KinEnerg);

TEST(Kernels, PopulationVarianceOfOneToFour) {
    ParticleSet set = SetOfEnergies({1, 2, 3, 4});
    EXPECT_EQ(SummarizeAccepted(set, kEnergy), (StatSummary{1, 4, 2.5, 1.25, 1.118033988749895}));
    set.record(2).accepted = 0;  // the all-ion kernels do not care
    EXPECT_EQ(MeanAll(set, kEnergy), 2.5);
    EXPECT_EQ(DispersionAll(set, kEnergy), 1.25);
    EXPECT_EQ(SigmaAll(set, kEnergy), 1.118033988749895);
    EXPECT_EQ(SummarizeAll(set, kEnergy), (StatSummary{1, 4, 2.5, 1.25, 1.118033988749895}));

    const ParticleSet single = SetOfEnergies({7});
    EXPECT_EQ(SummarizeAll(single, kEnergy), (StatSummary{7, 7, 7, 0, 0}));
}

TEST(Kernels, AcceptedExtremesStartFromTheMeanOfAllIons) {
    ParticleSet set = SetOfEnergies({0, 10, 10, 10, 10, 10, 10, 10, 10, 10});
    set.record(1).accepted = 0;
    EXPECT_EQ(MeanAll(set, kEnergy), 9.0);
    EXPECT_EQ(MinAccepted(set, kEnergy), 9.0);
    EXPECT_EQ(MaxAccepted(set, kEnergy), 10.0);
    EXPECT_EQ(MeanAccepted(set, kEnergy), 10.0);
    EXPECT_EQ(DispersionAccepted(set, kEnergy), 0.0);

    for (int i = 1; i <= set.count; ++i) set.record(i).accepted = 0;
    EXPECT_EQ(SummarizeAccepted(set, kEnergy), (StatSummary{9, 9, 0, 0, 0}));
}

TEST(Kernels, AllIonKernelsIgnoreTheFlags) {
    ParticleSet set = SetOfEnergies({-5, 1, 2, 8});
    set.record(1).accepted = 0;
    set.record(4).accepted = 0;
    EXPECT_EQ(MinAll(set, kEnergy), -5.0);
    EXPECT_EQ(MaxAll(set, kEnergy), 8.0);
}

TEST(Kernels, ASetWithoutIonsGivesZerosAndReadsNoRecord) {
    ParticleSet set = SetOfEnergies({});  // slots 0 and 1 hold nan
    ParticleSet bare;
    for (const ParticleSet* s : {&set, &bare}) {
        EXPECT_EQ(Bits(MinAll(*s, kEnergy)), Bits(0.0));
        EXPECT_EQ(Bits(MaxAccepted(*s, kEnergy)), Bits(0.0));
        EXPECT_EQ(SummarizeAll(*s, kEnergy), StatSummary{});
        EXPECT_EQ(SummarizeAccepted(*s, kEnergy), StatSummary{});
        EXPECT_EQ(SigmaAll(*s, kEnergy), 0.0);
    }
    // A count beyond the storage is cut to it, not read past it.
    ParticleSet overcounted = SetOfEnergies({3, 5});
    overcounted.count = 50;
    EXPECT_TRUE(std::isnan(MeanAll(overcounted, kEnergy)));  // reaches the spare nan slot and no further
}

// The kernels exactly as the statistics are defined, one loop each.
struct Reference {
    const ParticleSet& set;
    QuantitySelection s;
    double v(int i) const { return QuantityValue(set.record(i), s); }
    bool accepted(int i) const { return set.record(i).accepted == 1; }
    double extreme(double start, int from, bool acceptedOnly, const std::function<bool(double, double)>& better) const {
        double cur = start;
        for (int i = from; i <= set.count; ++i)
            if ((!acceptedOnly || accepted(i)) && better(v(i), cur)) cur = v(i);
        return cur;
    }
    double minAll() const { return extreme(v(1), 2, false, std::less<>()); }
    double maxAll() const { return extreme(v(1), 2, false, std::greater<>()); }
    double meanAll() const {
        double sum = 0;
        for (int i = 1; i <= set.count; ++i) sum += v(i);
        return sum / set.count;
    }
    double dispersionAll() const {
        const double m = meanAll();
        double sum = 0;
        for (int i = 1; i <= set.count; ++i) sum += (v(i) - m) * (v(i) - m);
        return sum / set.count;
    }
    double minAccepted() const { return extreme(meanAll(), 1, true, std::less<>()); }
    double maxAccepted() const { return extreme(meanAll(), 1, true, std::greater<>()); }
    double meanAccepted() const {
        double sum = 0;
        int n = 0;
        for (int i = 1; i <= set.count; ++i)
            if (accepted(i)) sum += v(i), ++n;
        return n == 0 ? 0 : sum / n;
    }
    double dispersionAccepted() const {
        const double m = meanAccepted();
        double sum = 0;
        int n = 0;
        for (int i = 1; i <= set.count; ++i)
            if (accepted(i)) sum += (v(i) - m) * (v(i) - m), ++n;
        return n == 0 ? 0 : sum / n;
    }
};

ParticleRecord RandomRecord(std::mt19937_64& random) {
    std::normal_distribution<double> normal(0.0, 1.0);
    std::uniform_int_distribution<int> pick(0, 19);
    ParticleRecord r;
    r.energy = 5e6 * (1 + 0.05 * normal(random));
    r.y = 1e3 * normal(random);
    r.z = 1e3 * normal(random);
    r.cos_y = 0.05 * normal(random);
    r.cos_z = 0.05 * normal(random);
    r.cos_x = std::sqrt(1 - r.cos_y * r.cos_y - r.cos_z * r.cos_z);
    r.momentum = 1e8 * (1 + 0.01 * normal(random));
    // Values whose order matters: signed zeros, repeats, infinities, nan.
    switch (pick(random)) {
        case 0: r.energy = -0.0, r.y = -0.0, r.cos_y = -0.0; break;
        case 1: r.energy = 0.0, r.y = 0.0, r.cos_y = 0.0; break;
        case 2: r.energy = 5e6, r.y = 1e3; break;
        case 3: r.energy = std::numeric_limits<double>::infinity(); break;
        case 4: r.y = std::numeric_limits<double>::quiet_NaN(), r.cos_x = 1.5; break;
        default: break;
    }
    r.accepted = pick(random) < 12 ? 1 : 0;
    return r;
}

TEST(Kernels, MatchTheDefiningLoopsBitForBit) {
    std::mt19937_64 random(7);
    const QuantityId quantities[] = {QuantityId::KinEnerg, QuantityId::Energamu, QuantityId::Mom,
                                     QuantityId::PosY,     QuantityId::PosabsZ,  QuantityId::PosYZ,
                                     QuantityId::AngX,     QuantityId::AngY,     QuantityId::dYdX};
    for (int round = 0; round < 60; ++round) {
        std::vector<ParticleRecord> records(1 + round % 23);
        for (auto& r : records) r = RandomRecord(random);
        const ParticleSet set = stats_test::SetOfRecords(records);
        for (const QuantityId q : quantities) {
            const QuantitySelection s{q, round % 2, round % 3 ? SourceKind::TransmitTxt : SourceKind::WinAgile, 3,
                                      4.00150608};
            const Reference ref{set, s};
            SCOPED_TRACE(testing::Message() << "round " << round << " quantity " << int(q));
            EXPECT_EQ(Bits(MinAll(set, s)), Bits(ref.minAll()));
            EXPECT_EQ(Bits(MaxAll(set, s)), Bits(ref.maxAll()));
            EXPECT_EQ(Bits(MeanAll(set, s)), Bits(ref.meanAll()));
            EXPECT_EQ(Bits(DispersionAll(set, s)), Bits(ref.dispersionAll()));
            EXPECT_EQ(Bits(SigmaAll(set, s)), Bits(std::sqrt(ref.dispersionAll())));
            EXPECT_EQ(Bits(MinAccepted(set, s)), Bits(ref.minAccepted()));
            EXPECT_EQ(Bits(MaxAccepted(set, s)), Bits(ref.maxAccepted()));
            EXPECT_EQ(Bits(MeanAccepted(set, s)), Bits(ref.meanAccepted()));
            EXPECT_EQ(Bits(DispersionAccepted(set, s)), Bits(ref.dispersionAccepted()));
            EXPECT_EQ(Bits(SigmaAccepted(set, s)), Bits(std::sqrt(ref.dispersionAccepted())));

            const StatSummary all = SummarizeAll(set, s);
            const StatSummary acc = SummarizeAccepted(set, s);
            EXPECT_EQ(Bits(all.min), Bits(ref.minAll()));
            EXPECT_EQ(Bits(all.max), Bits(ref.maxAll()));
            EXPECT_EQ(Bits(all.dispersion), Bits(ref.dispersionAll()));
            EXPECT_EQ(Bits(acc.min), Bits(ref.minAccepted()));
            EXPECT_EQ(Bits(acc.max), Bits(ref.maxAccepted()));
            EXPECT_EQ(Bits(acc.sigma), Bits(std::sqrt(ref.dispersionAccepted())));
        }
    }
}

TEST(Kernels, YieldAfterEveryRecordAndAdvanceTwentyPerStatistic) {
    const ParticleSet set = SetOfEnergies({1, 2, 3, 4, 5});
    stats_test::PassProgress progress;
    SummarizeAll(set, kEnergy, progress);
    EXPECT_EQ(progress.yields, 10);  // two passes
    EXPECT_EQ(progress.advanced, 100);
    EXPECT_EQ(progress.advances, 5);
    stats_test::PassProgress single;
    DispersionAccepted(set, kEnergy, single);
    EXPECT_EQ(single.yields, 10);
    EXPECT_EQ(single.advanced, 0);
}

}  // namespace
}  // namespace zelkor
