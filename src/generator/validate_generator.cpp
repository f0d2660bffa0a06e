#include "generator/validate_generator.hpp"

#include "data/user_number.hpp"
#include "generator/twiss.hpp"

#include <optional>
#include <type_traits>
#include <utility>

namespace zelkor {
namespace {

bool IsGaussian(Distribution d) { return d == Distribution::Gaussian; }

std::optional<Message> FirstMissing(const GeneratorFields& f, const DistributionChoice& d) {
    const std::pair<bool, const char*> missing[] = {
        {f.description.empty(), "Missing Description of Experiment"},
        {f.particles.empty(), "Missing value Number of Particles"},
        {f.atomicNumber.empty(), "Missing value Atomic Number"},
        {f.amu.empty(), "Missing value amu(ion mass in atomic mass unit)"},
        {f.angle.empty(), "Missing value Angle of Incidence"},
        {f.energy.empty(), "Missing value E"},
        {f.deltaE.empty(), "Missing value (delta E)/E"},
        {f.nSigma.empty(), "Missing value n (deltaE = n.sigma)"},
        {f.yTotal.empty(), "Missing value Y (total)"},
        {f.zTotal.empty(), "Missing value Z (total)"},
        {IsGaussian(d.posY) && f.yRms.empty(), "Missing value Y (RMS)"},
        {IsGaussian(d.posZ) && f.zRms.empty(), "Missing value Z (RMS)"},
        {f.dydxTotal.empty(), "Missing value dY/dX (total)"},
        {f.dzdxTotal.empty(), "Missing value dZ/dX (total)"},
        {IsGaussian(d.slopeY) && f.dydxRms.empty(), "Missing value dY/dX (RMS)"},
        {IsGaussian(d.slopeZ) && f.dzdxRms.empty(), "Missing value dZ/dX (RMS)"},
        {f.epsY.empty(), "Missing value EPS_Y (total)"},
        {f.epsZ.empty(), "Missing value EPS_Z (total)"},
        {!f.signY.has_value(), "Missing value sign_alpha_Y"},
        {!f.signZ.has_value(), "Missing value sign_alpha_Z"},
        {f.dispersionY.empty(), "Missing value D_Y"},
        {f.dispersionZ.empty(), "Missing value D_Z"},
        {f.dispersionSlopeY.empty(), "Missing value dD/dX_Y"},
        {f.dispersionSlopeZ.empty(), "Missing value dD/dX_Z"},
    };
    for (const auto& [isMissing, text] : missing)
        if (isMissing) return ErrorMessage(text);
    return std::nullopt;
}

// Reads one field into target when accept(value) holds; the message otherwise.
template <typename T, typename Accept>
std::optional<Message> Read(const std::string& text, T& target, Accept accept, const char* message) {
    std::optional<T> value;
    if constexpr (std::is_same_v<T, int>)
        value = ParseUserInt(text);
    else
        value = ParseUserReal(text);
    if (!value || !accept(*value)) return ErrorMessage(message);
    target = *value;
    return std::nullopt;
}

const auto kPositive = [](auto v) { return v > 0; };
const auto kAny = [](auto) { return true; };

std::optional<Message> ConvertAll(const GeneratorFields& f, const DistributionChoice& d, GeneratorParams& p) {
    const bool gy = IsGaussian(d.posY), gz = IsGaussian(d.posZ);
    const bool gdy = IsGaussian(d.slopeY), gdz = IsGaussian(d.slopeZ);
    std::optional<Message> m;
    if ((m = Read(f.particles, p.particles, kPositive, "Value Number of particles must be integer > 0"))) return m;
    if ((m = Read(f.atomicNumber, p.atomicNumber, kPositive, "Value Atomic Number must be integer > 0"))) return m;
    if ((m = Read(f.amu, p.amu, kPositive, "Value amu(ion mass in atomic mass unit) must be real number > 0")))
        return m;
    if ((m = Read(
             f.angle, p.angle, [](double v) { return v >= 0.0 && v < 90.0; },
             "Value Angle of Incidence must be real number from <0, 90)")))
        return m;
    if ((m = Read(f.energy, p.energy, kPositive, "Value E must be real number > 0"))) return m;
    if ((m = Read(
             f.deltaE, p.deltaE, [](double v) { return v >= 0.0; }, "Value (deltaE)/E must be real number > 0")))
        return m;
    if ((m = Read(f.nSigma, p.nSigma, kPositive, "Value n (deltaE = n.sigma) must be real number > 0"))) return m;
    if ((m = Read(f.yTotal, p.yTotal, kPositive, "Value Y (total) must be real number > 0"))) return m;
    if ((m = Read(f.zTotal, p.zTotal, kPositive, "Value Z (total) must be real number > 0"))) return m;
    if (gy && (m = Read(f.yRms, p.yRms, kPositive, "Value Y (RMS) must be real number > 0"))) return m;
    if (gz && (m = Read(f.zRms, p.zRms, kPositive, "Value Z (RMS) must be real number > 0"))) return m;
    if ((m = Read(f.dydxTotal, p.dydxTotal, kPositive, "Value dY/dX (total) must be real number >0"))) return m;
    if ((m = Read(f.dzdxTotal, p.dzdxTotal, kPositive, "Value dZ/dX (total) must be real number > 0"))) return m;
    if (gdy && (m = Read(f.dydxRms, p.dydxRms, kPositive, "Value dY/dX (RMS) must be real number > 0"))) return m;
    if (gdz && (m = Read(f.dzdxRms, p.dzdxRms, kPositive, "Value dZ/dX (RMS) must be real number > 0"))) return m;
    if ((m = Read(f.epsY, p.epsY, kAny, "Value EPS_Y (total) must be real number"))) return m;
    if ((m = Read(f.epsZ, p.epsZ, kAny, "Value EPS_Z (total) must be real number"))) return m;
    if (p.epsY == 0.0) return ErrorMessage("EPS_Y (total): Division by zero");
    if (p.epsZ == 0.0) return ErrorMessage("EPS_Z (total): Division by zero");
    if ((m = Read(f.dispersionY, p.dispersionY, kAny, "Value D_Y must be real number"))) return m;
    if ((m = Read(f.dispersionZ, p.dispersionZ, kAny, "Value D_Z must be real number"))) return m;
    if ((m = Read(f.dispersionSlopeY, p.dispersionSlopeY, kAny, "Value dD/dX_Y must be real number"))) return m;
    if ((m = Read(f.dispersionSlopeZ, p.dispersionSlopeZ, kAny, "Value dD/dX_Z must be real number"))) return m;
    return std::nullopt;
}

}  // namespace

std::variant<GeneratorParams, Message> ValidateGenerator(const GeneratorFields& fields,
                                                         const DistributionChoice& distributions) {
    if (auto missing = FirstMissing(fields, distributions)) return *missing;
    GeneratorParams params;
    if (auto refused = ConvertAll(fields, distributions, params)) return *refused;
    params.description = fields.description;
    params.signY = SignValue(*fields.signY);
    params.signZ = SignValue(*fields.signZ);
    params.distributions = distributions;
    const auto twissY = TwissFromBeamSize(params.yTotal, params.dydxTotal, params.epsY, params.signY);
    const auto twissZ = TwissFromBeamSize(params.zTotal, params.dzdxTotal, params.epsZ, params.signZ);
    if (!std::holds_alternative<TwissParameters>(twissY) || !std::holds_alternative<TwissParameters>(twissZ))
        return ErrorMessage("sqrt: DOMAIN error");
    return params;
}

}  // namespace zelkor
