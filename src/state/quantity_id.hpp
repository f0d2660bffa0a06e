#pragma once

namespace zelkor {

// One member per statistics quantity; the order is the order of the pages' radio buttons.
enum class QuantityId {
    KinEnerg,
    EnergA,
    Energamu,
    Mom,
    PosY,
    PosZ,
    PosabsY,
    PosabsZ,
    PosYZ,
    AngX,
    AngY,
    AngZ,
    dYdX,
    dZdX,
};

inline constexpr int kQuantityCount = 14;

// Unit codes as the application state stores them, one enumeration per family.
enum class EnergyUnit { eV = 0, keV = 1, MeV = 2, GeV = 3 };  // also the momentum units eV/c .. GeV/c
enum class LengthUnit { A = 0, nm = 1, um = 2, mm = 3, m = 4 };
enum class AngleUnit { deg = 0, rad = 1, mrad = 2 };
enum class SlopeUnit { rad = 0, mrad = 1 };

}  // namespace zelkor
