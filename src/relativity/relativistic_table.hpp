#pragma once

#include "state/app_state.hpp"
#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "relativity/relativistic_inputs.hpp"

#include <optional>
#include <string>
#include <vector>

namespace zelkor {

enum class RelativisticColumn {
    Ion,
    KineticEnergy,
    EnergyPerA,
    EnergyPerAmu,
    Gamma,
    Beta,
    BetaGamma,
    Mass,
    Velocity,
    Momentum,
    Rigidity,
};

// The seven check boxes of the relativistic window.
struct RelativisticSelection {
    bool gamma = false;
    bool beta = false;
    bool betaGamma = false;
    bool mass = false;
    bool velocity = false;
    bool momentum = false;
    bool rigidity = false;

    static RelativisticSelection All() { return {true, true, true, true, true, true, true}; }
};

// The four fixed columns, then the checked ones in their fixed order.
std::vector<RelativisticColumn> RelativisticColumns(const RelativisticSelection& selection);

// Column title in the units of the state: " Kin. energy [keV]", " gamma" ...
std::string RelativisticHeader(RelativisticColumn column, const AppState& state);

// None: "No data available! ..."; a WinAGILE set has no energies: the
// "only for TRANSMIT.TXT" warning. Otherwise nothing.
std::optional<Message> CheckRelativisticAvailable(SourceKind kind);

// Keeps the species that passed the checks of "Calculation": A, amu and,
// when it was read (rigidity checked), n.
void StoreRelativisticInputs(const RelativisticInputs& inputs, AppState& state);

// What the data-processing grid shows after the calculation: the columns and
// the species and units they were calculated with. Cells are computed afresh
// from the record whenever they are shown, so a table of millions of ions
// holds no values of its own; the momentum column reads back what the
// calculation stored in the records.
struct RelativisticTable {
    std::vector<RelativisticColumn> columns;
    std::vector<std::string> headers;
    int rows = 0;  // ions 1..rows
    int A = 1;
    double amu = 1.0;
    int n = 1;
    double kineticFactor = 1.0, energyAFactor = 1.0, energyAmuFactor = 1.0, momentumFactor = 1.0;
    // New captions of the energy and momentum pages' "Range of Interval" edits.
    std::string energyRangeCaption;
    std::string momentumRangeCaption;

    // The value of a column other than Ion for one record.
    double value(std::size_t column, const ParticleRecord& record) const;
    // "%d" of the ion for the Ion column, "%lE" of the value for the others.
    std::string cell(std::size_t column, int ion, const ParticleSet& set) const;
};

// The calculation: marks the relativistic values calculated, takes the
// columns, species and units of the state, stores every ion's momentum
// (accepted or not) and sets lastDataColumn. Progress yields after every ion
// and reaches its 100 steps at the end.
RelativisticTable ComputeRelativisticTable(ParticleSet& set, AppState& state, const RelativisticSelection& selection,
                                           Progress& progress = NoProgress());

}  // namespace zelkor
