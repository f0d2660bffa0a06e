#pragma once

#include "data/app_state.hpp"
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

// What the data-processing grid shows after the calculation.
struct RelativisticTable {
    std::vector<RelativisticColumn> columns;
    std::vector<std::string> headers;
    int rows = 0;  // ions 1..rows
    // values[c][i - 1] for column c >= 1 and ion i; column 0 is the ion number.
    std::vector<std::vector<double>> values;
    // New captions of the energy and momentum pages' "Range of Interval" edits.
    std::string energyRangeCaption;
    std::string momentumRangeCaption;

    // "%d" for the ion column, "%lE" for the others.
    std::string cell(int column, int ion) const;
};

// The calculation: marks the relativistic values calculated, computes every
// cell column by column (each afresh from the record's energy), runs the
// momentum pass over every ion after the columns gamma .. velocity, reads the
// momentum column back from the records, and sets lastDataColumn. Progress
// advances by one (at most 100 in all) whenever the running cell counter is a
// multiple of (count / 100) * columns, and yields after every cell.
RelativisticTable ComputeRelativisticTable(ParticleSet& set, AppState& state, const RelativisticSelection& selection,
                                           Progress& progress = NoProgress());

} // namespace zelkor
