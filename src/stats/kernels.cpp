#include "stats/kernels.hpp"

#include "stats/ion_span.hpp"
#include "stats/kernel_passes.hpp"
#include "stats/progress_dispatch.hpp"
#include "stats/value_column.hpp"

#include <cmath>

namespace zelkor {
namespace {

// Runs pass(ions, value, progress) with the value functor of the selection,
// the quantity and the progress decided once, outside the loops.
template <typename Pass>
auto Run(const ParticleSet& set, const QuantitySelection& selection, Progress& progress, Pass&& pass) {
    const auto ions = Ions(set);
    return WithProgress(progress, [&](auto& p) {
        return WithColumnValue(ions, selection, [&](const auto& value) { return pass(ions, value, p); });
    });
}

kernel_pass::AllScan ScanAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s, progress, [](auto ions, auto value, auto& p) { return kernel_pass::ScanAll(ions, value, p); });
}

kernel_pass::AcceptedScan ScanAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s, progress,
               [](auto ions, auto value, auto& p) { return kernel_pass::ScanAccepted(ions, value, p); });
}

std::size_t IonCount(const ParticleSet& set) { return Ions(set).size(); }

}  // namespace

double MinAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return ScanAll(set, s, progress).min;
}

double MaxAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return ScanAll(set, s, progress).max;
}

double MeanAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s, progress, [](auto ions, auto value, auto& p) {
        return kernel_pass::MeanOf(kernel_pass::SumAll(ions, value, p), ions.size());
    });
}

// MeanAll and the deviations from it over one evaluation of the quantity.
double DispersionAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s, progress, [](auto ions, auto value, auto& p) {
        const double mean = kernel_pass::MeanOf(kernel_pass::SumAll(ions, value, p), ions.size());
        return kernel_pass::MeanOf(kernel_pass::SquaredDeviationSum(ions, value, mean, p), ions.size());
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
    return Run(set, s, progress, [](auto ions, auto value, auto& p) {
        const kernel_pass::AcceptedScan scan = kernel_pass::ScanAccepted(ions, value, p);
        const double mean = scan.meanAccepted();
        return kernel_pass::MeanOf(kernel_pass::AcceptedSquaredDeviationSum(ions, value, mean, p), scan.accepted);
    });
}

double SigmaAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return std::sqrt(DispersionAccepted(set, s, progress));
}

StatSummary SummarizeAll(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s, progress,
               [](auto ions, auto value, auto& p) { return kernel_pass::SummaryOfAll(ions, value, p); });
}

StatSummary SummarizeAccepted(const ParticleSet& set, const QuantitySelection& s, Progress& progress) {
    return Run(set, s, progress,
               [](auto ions, auto value, auto& p) { return kernel_pass::SummaryOfAccepted(ions, value, p); });
}

}  // namespace zelkor
