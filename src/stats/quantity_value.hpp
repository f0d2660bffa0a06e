#pragma once

#include "data/particle_record.hpp"
#include "stats/quantity_selection.hpp"
#include "stats/unit_scale.hpp"

#include <cmath>

namespace zelkor {

// One small value functor per kind of formula, so that a pass over the set
// decides the quantity once and then runs a loop the compiler can see through.
// The scalar QuantityValue uses the same functors: both give the same bits.
namespace quantity_value {

struct KineticEnergy {
    double unit;
    double operator()(const ParticleRecord& r) const { return r.energy / unit / 1.0; }
};
// First by the unit, then by the mass divisor (A as a double, or amu).
struct EnergyPerMass {
    double unit;
    double mass;
    double operator()(const ParticleRecord& r) const { return r.energy / unit / mass; }
};
struct Momentum {
    double unit;
    double operator()(const ParticleRecord& r) const { return r.momentum / unit; }
};
template <double ParticleRecord::*Field>
struct Position {
    double unit;
    double operator()(const ParticleRecord& r) const { return r.*Field / unit; }
};
template <double ParticleRecord::*Field>
struct AbsPosition {
    double unit;
    double operator()(const ParticleRecord& r) const { return std::fabs(r.*Field) / unit; }
};
struct RadialPosition {
    double unit;
    double operator()(const ParticleRecord& r) const { return std::sqrt(r.y * r.y + r.z * r.z) / unit; }
};
template <double ParticleRecord::*Cosine>
struct Angle {
    double degree;
    double milli;
    double operator()(const ParticleRecord& r) const { return milli * (degree * std::acos(r.*Cosine)); }
};
// TRANSMIT.TXT and TRIM.DAT hold direction cosines; the slope is their ratio.
template <double ParticleRecord::*Cosine>
struct SlopeFromCosines {
    double scale;
    double operator()(const ParticleRecord& r) const { return scale * (r.*Cosine / r.cos_x); }
};
// A WinAGILE point file holds the slope itself in the cosine field.
template <double ParticleRecord::*Cosine>
struct StoredSlope {
    double scale;
    double operator()(const ParticleRecord& r) const { return scale * r.*Cosine; }
};

}  // namespace quantity_value

// Calls f with the value functor of the selection and returns what f returns.
template <typename F>
decltype(auto) WithQuantityValue(const QuantitySelection& s, F&& f) {
    namespace qv = quantity_value;
    const int code = s.unitCode;
    const bool storedSlopes = s.sourceKind == SourceKind::WinAgile;
    switch (s.quantity) {
        case QuantityId::KinEnerg: return f(qv::KineticEnergy{EnergyDivisor(code)});
        case QuantityId::EnergA: return f(qv::EnergyPerMass{EnergyDivisor(code), static_cast<double>(s.A)});
        case QuantityId::Energamu: return f(qv::EnergyPerMass{EnergyDivisor(code), s.amu});
        case QuantityId::Mom: return f(qv::Momentum{EnergyDivisor(code)});
        case QuantityId::PosY: return f(qv::Position<&ParticleRecord::y>{LengthDivisor(code)});
        case QuantityId::PosZ: return f(qv::Position<&ParticleRecord::z>{LengthDivisor(code)});
        case QuantityId::PosabsY: return f(qv::AbsPosition<&ParticleRecord::y>{LengthDivisor(code)});
        case QuantityId::PosabsZ: return f(qv::AbsPosition<&ParticleRecord::z>{LengthDivisor(code)});
        case QuantityId::PosYZ: return f(qv::RadialPosition{LengthDivisor(code)});
        case QuantityId::AngX: return f(qv::Angle<&ParticleRecord::cos_x>{DegreeFactor(code), MilliFactor(code)});
        case QuantityId::AngY: return f(qv::Angle<&ParticleRecord::cos_y>{DegreeFactor(code), MilliFactor(code)});
        case QuantityId::AngZ: return f(qv::Angle<&ParticleRecord::cos_z>{DegreeFactor(code), MilliFactor(code)});
        case QuantityId::dYdX:
            if (storedSlopes) return f(qv::StoredSlope<&ParticleRecord::cos_y>{SlopeMultiplier(code)});
            return f(qv::SlopeFromCosines<&ParticleRecord::cos_y>{SlopeMultiplier(code)});
        case QuantityId::dZdX:
            if (storedSlopes) return f(qv::StoredSlope<&ParticleRecord::cos_z>{SlopeMultiplier(code)});
            return f(qv::SlopeFromCosines<&ParticleRecord::cos_z>{SlopeMultiplier(code)});
    }
    return f(qv::KineticEnergy{EnergyDivisor(code)});
}

// The ion's value of the quantity in the unit of unitCode. Reads only the
// record's fields, never its accepted flag.
double QuantityValue(const ParticleRecord& record, QuantityId quantity, int unitCode, SourceKind sourceKind, int A,
                     double amu);
double QuantityValue(const ParticleRecord& record, const QuantitySelection& selection);

}  // namespace zelkor
