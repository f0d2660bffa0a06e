#include "stats/kernels.hpp"

#include "stats/ion_span.hpp"
#include "stats/kernel_passes.hpp"
#include "stats/quantity_value.hpp"

#include <cmath>

namespace zelkor {
namespace {

// Runs pass(ions, value) with the value functor of the selection.
template <typename Pass>
auto Run(const ParticleSet& set, const QuantitySelection& selection, Pass&& pass) {
    return WithQuantityValue(selection, [&](const auto& value) { return pass(Ions(set), value); });
}

kernel_pass::AllScan ScanAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s, [&](auto ions, const auto& value) { return kernel_pass::ScanAll(ions, value, progress); });
}

kernel_pass::AcceptedScan ScanAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s,
               [&](auto ions, const auto& value) { return kernel_pass::ScanAccepted(ions, value, progress); });
}

std::size_t IonCount(const ParticleSet& set) { return Ions(set).size(); }

} // namespace

double MinAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return ScanAll(set, s, progress).min;
}

double MaxAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return ScanAll(set, s, progress).max;
}

double MeanAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s, [&](auto ions, const auto& value) {
        return kernel_pass::MeanOf(kernel_pass::SumAll(ions, value, progress), ions.size());
    });
}

double DispersionAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    const double mean = MeanAll(set, s, progress);
    return Run(set, s, [&](auto ions, const auto& value) {
        return kernel_pass::MeanOf(kernel_pass::SquaredDeviationSum(ions, value, mean, progress), ions.size());
    });
}

double SigmaAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return std::sqrt(DispersionAll(set, s, progress));
}

double MinAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    const kernel_pass::AcceptedScan scan = ScanAccepted(set, s, progress);
    return scan.minAcceptedFrom(scan.meanAll(IonCount(set)));
}

double MaxAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    const kernel_pass::AcceptedScan scan = ScanAccepted(set, s, progress);
    return scan.maxAcceptedFrom(scan.meanAll(IonCount(set)));
}

double MeanAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return ScanAccepted(set, s, progress).meanAccepted();
}

double DispersionAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    const kernel_pass::AcceptedScan scan = ScanAccepted(set, s, progress);
    const double mean = scan.meanAccepted();
    return Run(set, s, [&](auto ions, const auto& value) {
        return kernel_pass::MeanOf(kernel_pass::AcceptedSquaredDeviationSum(ions, value, mean, progress),
                                   scan.accepted);
    });
}

double SigmaAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return std::sqrt(DispersionAccepted(set, s, progress));
}

StatSummary SummarizeAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s,
               [&](auto ions, const auto& value) { return kernel_pass::SummaryOfAll(ions, value, progress); });
}

StatSummary SummarizeAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s,
               [&](auto ions, const auto& value) { return kernel_pass::SummaryOfAccepted(ions, value, progress); });
}

} // namespace zelkor
