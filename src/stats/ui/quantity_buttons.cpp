#include "stats/ui/quantity_buttons.hpp"

#include <array>

namespace zelkor {
namespace {

constexpr std::array<QuantityButton, 3> kEnergy{{
    {QuantityId::KinEnerg, "radbtnKinEnerg", "Kinetic Energy"},
    {QuantityId::EnergA, "radbtnEnergA", "Energy/A"},
    {QuantityId::Energamu, "radbtnEnergamu", "Energy/amu"},
}};
constexpr std::array<QuantityButton, 5> kPosition{{
    {QuantityId::PosY, "rbtnPosY", "Y"},
    {QuantityId::PosZ, "rbtnPosZ", "Z"},
    {QuantityId::PosabsY, "rbtnPosabsY", "| Y |"},
    {QuantityId::PosabsZ, "rbtnPosabsZ", "| Z |"},
    {QuantityId::PosYZ, "rbtnPosYZ", "(Y^2 + Z^2)^1/2"},
}};
constexpr std::array<QuantityButton, 5> kAngle{{
    {QuantityId::AngX, "rbtnAngX", "ang X"},
    {QuantityId::AngY, "rbtnAngY", "ang Y"},
    {QuantityId::AngZ, "rbtnAngZ", "ang Z"},
    {QuantityId::dYdX, "rbtndYdX", "dY/dX"},
    {QuantityId::dZdX, "rbtndZdX", "dZ/dX"},
}};

}  // namespace

std::span<const QuantityButton> QuantityButtons(StatPage page) {
    switch (page) {
        case StatPage::Energy: return kEnergy;
        case StatPage::Position: return kPosition;
        case StatPage::Angle: return kAngle;
        case StatPage::Momentum: break;
    }
    return {};
}

const char* QuantityGroupCaption(StatPage page) {
    switch (page) {
        case StatPage::Energy: return "Energy";
        case StatPage::Momentum: return "Momentum";
        case StatPage::Position: return "Position";
        case StatPage::Angle: return "Angle";
    }
    return "";
}

}  // namespace zelkor
