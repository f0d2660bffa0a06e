#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zelkor {

// Scale factors of the unit codes. A code outside its family's range reads
// as code 0, so a stray code can never index past a table.

namespace unit_scale_detail {
template <std::size_t N>
constexpr double Pick(const std::array<double, N>& table, int code) {
    return code >= 0 && static_cast<std::size_t>(code) < N ? table[static_cast<std::size_t>(code)] : table[0];
}
}  // namespace unit_scale_detail

// The energy unit codes' symbols (momenta add "/c").
inline constexpr std::array<std::string_view, 4> kEnergyUnitSymbols = {"eV", "keV", "MeV", "GeV"};

// eV, keV, MeV, GeV (and the same for eV/c .. GeV/c): the value is divided by it.
constexpr double EnergyDivisor(int code) {
    return unit_scale_detail::Pick(std::array<double, 4>{1.0, 1000.0, 1000000.0, 1e9}, code);
}
// A, nm, um, mm, m: the value in Angstrom is divided by it.
constexpr double LengthDivisor(int code) {
    return unit_scale_detail::Pick(std::array<double, 5>{1.0, 10.0, 10000.0, 10000000.0, 1e10}, code);
}
// deg, rad, mrad: radians are multiplied by the degree factor, then by the milli factor.
constexpr double DegreeFactor(int code) {
    return unit_scale_detail::Pick(std::array<double, 3>{57.29577951308232, 1.0, 1.0}, code);
}
constexpr double MilliFactor(int code) {
    return unit_scale_detail::Pick(std::array<double, 3>{1.0, 1.0, 1000.0}, code);
}
// rad, mrad: the slope is multiplied by it.
constexpr double SlopeMultiplier(int code) { return unit_scale_detail::Pick(std::array<double, 2>{1.0, 1000.0}, code); }

}  // namespace zelkor
