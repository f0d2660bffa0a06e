#include "generator/beam_sampler.hpp"

#include "generator/sampling.hpp"
#include "generator/slope_window.hpp"

#include <cmath>
#include <optional>

namespace zelkor {
namespace {

constexpr double kAmuEnergy = 931494043.0;  // eV

TwissParameters TwissOf(double total, double totalSlope, double eps, int sign) {
    // The parameters passed ValidateGenerator, whose last check is this very computation.
    const auto twiss = TwissFromBeamSize(total, totalSlope, eps, sign);
    return std::holds_alternative<TwissParameters>(twiss) ? std::get<TwissParameters>(twiss) : TwissParameters{};
}

std::string NoValue(const char* name) {
    return std::string("No value of ") + name + " within its limits in " + std::to_string(kMaxSamplingTries) + " tries";
}

std::optional<double> SamplePosition(BeamRandom& random, Distribution d, double total, double rms, Progress& progress) {
    if (d == Distribution::Uniform) return SampleUniformSymmetric(random, total);
    return SampleGaussianCentred(random, total, rms, progress);
}

// The slope at a position: the window of the ellipse, then a draw inside it.
// A position exactly on the edge (a uniform draw of 0 gives -total) has the
// edge's one slope even where rounding makes the discriminant negative, so
// that such a legitimate position does not end the generation.
std::variant<double, SamplingStop> SampleSlope(BeamRandom& random, Distribution d, double position, double total,
                                               const TwissParameters& twiss, double eps, double rms, const char* name,
                                               Progress& progress) {
    auto window = SlopeWindowAt(position, twiss, eps);
    if (!window && std::fabs(position) >= total) window = EdgeSlope(position, twiss, eps);
    if (!window) return SamplingStop{"sqrt: DOMAIN error"};
    if (!(window->lower <= window->upper))
        return SamplingStop{std::string("The limits of ") + name + " are not a range of numbers"};
    if (d == Distribution::Uniform) return SampleUniformBetween(random, window->upper, window->lower);
    const auto slope = SampleGaussianBetween(random, window->upper, window->lower, rms, progress);
    if (!slope) return SamplingStop{NoValue(name)};
    return *slope;
}

}  // namespace

double GeneratorMomentum(double energyKeV, double amu) {
    const double gamma = ((energyKeV * 1000) / amu) / kAmuEnergy + 1;
    return amu * kAmuEnergy * std::sqrt(gamma * gamma - 1);
}

BeamSampler::BeamSampler(const GeneratorParams& params)
    : params_(params),
      dE_(params.energy * (params.deltaE * 0.01)),
      p0_(GeneratorMomentum(params.energy, params.amu)),
      theta_(params.angle * 0.017453292519943295),
      twissY_(TwissOf(params.yTotal, params.dydxTotal, params.epsY, params.signY)),
      twissZ_(TwissOf(params.zTotal, params.dzdxTotal, params.epsZ, params.signZ)) {}

std::variant<GeneratedIon, SamplingStop> BeamSampler::next(BeamRandom& random, Progress& progress) {
    const GeneratorParams& p = params_;
    const auto energy = SampleEnergy(random, p.energy, dE_, p.nSigma, progress);  // keV
    if (!energy) return SamplingStop{NoValue("E")};
    const auto y = SamplePosition(random, p.distributions.posY, p.yTotal, p.yRms, progress);  // mm
    if (!y) return SamplingStop{NoValue("Y")};
    const auto z = SamplePosition(random, p.distributions.posZ, p.zTotal, p.zRms, progress);
    if (!z) return SamplingStop{NoValue("Z")};
    const auto yp =
        SampleSlope(random, p.distributions.slopeY, *y, p.yTotal, twissY_, p.epsY, p.dydxRms, "dY/dX", progress);
    if (const auto* stop = std::get_if<SamplingStop>(&yp)) return *stop;
    const auto zp =
        SampleSlope(random, p.distributions.slopeZ, *z, p.zTotal, twissZ_, p.epsZ, p.dzdxRms, "dZ/dX", progress);
    if (const auto* stop = std::get_if<SamplingStop>(&zp)) return *stop;

    const double delta = (GeneratorMomentum(*energy, p.amu) - p0_) / p0_;
    const double posY = *y * 0.001 + delta * p.dispersionY;  // m
    const double posZ = *z * 0.001 + delta * p.dispersionZ;
    // The angle of incidence tilts the horizontal direction only.
    const double slopeY = std::tan(std::atan(std::get<double>(yp) * 0.001) + theta_) + delta * p.dispersionSlopeY;
    const double slopeZ = std::get<double>(zp) * 0.001 + delta * p.dispersionSlopeZ;
    const double cosX = std::sqrt(1 / (slopeY * slopeY + slopeZ * slopeZ + 1));
    return GeneratedIon{*energy * 1000, posY * 1e10, posZ * 1e10, cosX, slopeY * cosX, slopeZ * cosX};
}

}  // namespace zelkor
