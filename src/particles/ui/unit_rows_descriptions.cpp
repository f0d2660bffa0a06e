#include "particles/ui/unit_rows_window.hpp"

namespace zelkor {

const UnitRowsWindowDescription& PositionsWindowDescription() {
    static const UnitRowsWindowDescription description{
        "TPositions",
        "Position",
        {{{"panelY",
           "chboxY",
           "Y",
           QuantityId::PosY,
           {{"rbtnYA", "\xC3\x85"}, {"rbtnYnm", "nm"}, {"rbtnYum", "\xC2\xB5m"}, {"rbtnYmm", "mm"}, {"rbtnYm", "m"}}},
          {"panelZ",
           "chboxZ",
           "Z",
           QuantityId::PosZ,
           {{"rbtnZA", "\xC3\x85"}, {"rbtnZnm", "nm"}, {"rbtnZum", "\xC2\xB5m"}, {"rbtnZmm", "mm"}, {"rbtnZm", "m"}}},
          {"panelabsY",
           "chboxAbsY",
           "| Y |",
           QuantityId::PosabsY,
           {{"rbtnAbsYA", "\xC3\x85"},
            {"rbtnAbsYnm", "nm"},
            {"rbtnAbsYum", "\xC2\xB5m"},
            {"rbtnAbsYmm", "mm"},
            {"rbtnAbsYm", "m"}}},
          {"panelabsZ",
           "chboxAbsZ",
           "| Z |",
           QuantityId::PosabsZ,
           {{"rbtnAbsZA", "\xC3\x85"},
            {"rbtnAbsZnm", "nm"},
            {"rbtnAbsZum", "\xC2\xB5m"},
            {"rbtnAbsZmm", "mm"},
            {"rbtnAbsZm", "m"}}},
          {"panelY2Z2",
           "chboxY2Z2",
           "(Y^2 + Z^2)^1/2",
           QuantityId::PosYZ,
           {{"rbtnY2Z2A", "\xC3\x85"},
            {"rbtnY2Z2nm", "nm"},
            {"rbtnY2Z2um", "\xC2\xB5m"},
            {"rbtnY2Z2mm", "mm"},
            {"rbtnY2Z2m", "m"}}}}},
        "btnPosSelAll",
        "btnPosDesAll",
        "btnPosOK",
        "btnPosCancel",
        "TimerPos",
        false,
        &MakePositionTable,
    };
    return description;
}

const UnitRowsWindowDescription& AnglesWindowDescription() {
    static const UnitRowsWindowDescription description{
        "TAngles",
        "Angles",
        {{{"panelAngX",
           "chboxAngX",
           "angle X",
           QuantityId::AngX,
           {{"rbtnAngXdeg", "deg"}, {"rbtnAngXrad", "rad"}, {"rbtnAngXmrad", "mrad"}}},
          {"panelAngY",
           "chboxAngY",
           "angle Y",
           QuantityId::AngY,
           {{"rbtnAngYdeg", "deg"}, {"rbtnAngYrad", "rad"}, {"rbtnAngYmrad", "mrad"}}},
          {"panelAngZ",
           "chboxAngZ",
           "angle Z",
           QuantityId::AngZ,
           {{"rbtnAngZdeg", "deg"}, {"rbtnAngZrad", "rad"}, {"rbtnAngZmrad", "mrad"}}},
          {"paneldYdX", "chboxdYdX", "dY/dX", QuantityId::dYdX, {{"rbtndYdXrad", "rad"}, {"rbtndYdXmrad", "mrad"}}},
          {"paneldZdX", "chboxdZdX", "dZ/dX", QuantityId::dZdX, {{"rbtndZdXrad", "rad"}, {"rbtndZdXmrad", "mrad"}}}}},
        "btnAngSelAll",
        "btnAngDesAll",
        "btnAngCalc",
        "btnAngCancel",
        "TimerAng",
        true,
        &MakeAngleTable,
    };
    return description;
}

}  // namespace zelkor
