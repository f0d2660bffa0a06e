#include "relativity/relativistic_table.hpp"

#include "io/printf_format.hpp"
#include "relativity/momentum_pass.hpp"
#include "relativity/per_ion_formulas.hpp"
#include "stats/quantity.hpp"

namespace zelkor {
namespace {

const char* const kEnergyUnits[] = {"eV", "keV", "MeV", "GeV"};

std::string WithUnit(const char* title, int unitCode, const char* suffix = "") {
    const int code = unitCode >= 0 && unitCode <= 3 ? unitCode : 0;
    return std::string(title) + " [" + kEnergyUnits[code] + suffix + "]";
}

// Paces the bar by cells as the grid fills, and never beyond its 100 steps.
class CellPacer {
public:
    CellPacer(int count, int columns, Progress& progress)
        : step_((count / 100) * columns), progress_(progress) {}
    void cellDone() {
        if ((step_ == 0 || counter_ % step_ == 0) && given_ < 100) {
            progress_.advance(1);
            ++given_;
        }
        ++counter_;
        progress_.yield();
    }

private:
    long long step_;
    long long counter_ = 0;
    int given_ = 0;
    Progress& progress_;
};

struct Species {
    int A;
    double amu;
    int n;
};

double CellValue(RelativisticColumn column, const ParticleRecord& r, const Species& s, const AppState& state) {
    const double e = r.energy;
    switch (column) {
    case RelativisticColumn::KineticEnergy:
        return KineticEnergyColumn(e, OutputUnitFactor(state.unitOf(QuantityId::KinEnerg)));
    case RelativisticColumn::EnergyPerA:
        return EnergyPerAColumn(e, OutputUnitFactor(state.unitOf(QuantityId::EnergA)), s.A);
    case RelativisticColumn::EnergyPerAmu:
        return EnergyPerAmuColumn(e, OutputUnitFactor(state.unitOf(QuantityId::Energamu)), s.amu);
    case RelativisticColumn::Gamma: return Gamma(e, s.amu);
    case RelativisticColumn::Beta: return Beta(Gamma(e, s.amu));
    case RelativisticColumn::BetaGamma: {
        const double g = Gamma(e, s.amu);
        return BetaGamma(g, Beta(g));
    }
    case RelativisticColumn::Mass: return RelativisticMass(s.amu, Gamma(e, s.amu));
    case RelativisticColumn::Velocity: return Velocity(Beta(Gamma(e, s.amu)));
    case RelativisticColumn::Momentum: return r.momentum * OutputUnitFactor(state.unitOf(QuantityId::Mom));
    case RelativisticColumn::Rigidity: return MagneticRigidity(MomentumOfIon(e, s.amu), s.n);
    case RelativisticColumn::Ion: break;
    }
    return 0.0;
}

} // namespace

std::vector<RelativisticColumn> RelativisticColumns(const RelativisticSelection& s) {
    using C = RelativisticColumn;
    std::vector<C> columns = {C::Ion, C::KineticEnergy, C::EnergyPerA, C::EnergyPerAmu};
    const std::pair<bool, C> optional[] = {{s.gamma, C::Gamma},       {s.beta, C::Beta},
                                           {s.betaGamma, C::BetaGamma}, {s.mass, C::Mass},
                                           {s.velocity, C::Velocity}, {s.momentum, C::Momentum},
                                           {s.rigidity, C::Rigidity}};
    for (const auto& [checked, column] : optional)
        if (checked) columns.push_back(column);
    return columns;
}

std::string RelativisticHeader(RelativisticColumn column, const AppState& state) {
    switch (column) {
    case RelativisticColumn::Ion: return " Ion";
    case RelativisticColumn::KineticEnergy: return WithUnit(" Kin. energy", state.unitOf(QuantityId::KinEnerg));
    case RelativisticColumn::EnergyPerA: return WithUnit(" Energy/A", state.unitOf(QuantityId::EnergA));
    case RelativisticColumn::EnergyPerAmu: return WithUnit(" Energy/amu", state.unitOf(QuantityId::Energamu));
    case RelativisticColumn::Gamma: return " gamma";
    case RelativisticColumn::Beta: return " beta";
    case RelativisticColumn::BetaGamma: return " beta.gamma";
    case RelativisticColumn::Mass: return " Mass [kg]";
    case RelativisticColumn::Velocity: return " Velocity [m/s]";
    case RelativisticColumn::Momentum: return WithUnit(" Momentum", state.unitOf(QuantityId::Mom), "/c");
    case RelativisticColumn::Rigidity: return " Mag. regidity [Tm]";
    }
    return {};
}

std::optional<Message> CheckRelativisticAvailable(SourceKind kind) {
    if (kind == SourceKind::None) return ErrorMessage(kNoDataText);
    if (kind == SourceKind::WinAgile) return WarningMessage(kOnlyTransmitText);
    return std::nullopt;
}

void StoreRelativisticInputs(const RelativisticInputs& inputs, AppState& state) {
    state.A = inputs.A;
    state.amu = inputs.amu;
    if (inputs.n) state.n = *inputs.n;
}

std::string RelativisticTable::cell(int column, int ion) const {
    if (columns[static_cast<std::size_t>(column)] == RelativisticColumn::Ion) return FormatInt("%d", ion);
    return FormatDouble("%lE", values[static_cast<std::size_t>(column)][static_cast<std::size_t>(ion - 1)]);
}

RelativisticTable ComputeRelativisticTable(ParticleSet& set, AppState& state, const RelativisticSelection& selection,
                                           Progress& progress) {
    RelativisticTable table;
    table.energyRangeCaption = RangeLabel(state.energyQuantity, state.unitOf(state.energyQuantity));
    table.momentumRangeCaption = RangeLabel(QuantityId::Mom, state.unitOf(QuantityId::Mom));
    state.relativisticCalculated = true;

    table.columns = RelativisticColumns(selection);
    table.rows = set.count;
    table.values.resize(table.columns.size());
    const Species species{state.A, state.amu, state.n};
    CellPacer pacer(set.count, static_cast<int>(table.columns.size()), progress);
    bool momentaStored = false;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const RelativisticColumn column = table.columns[c];
        table.headers.push_back(RelativisticHeader(column, state));
        // The momenta are stored once the columns gamma .. velocity are done,
        // whether or not the momentum column is shown.
        if (!momentaStored && column >= RelativisticColumn::Momentum) {
            ComputeMomenta(set, species.amu);
            momentaStored = true;
        }
        if (column != RelativisticColumn::Ion) table.values[c].resize(static_cast<std::size_t>(set.count));
        for (int i = 1; i <= set.count; ++i) {
            if (column != RelativisticColumn::Ion)
                table.values[c][static_cast<std::size_t>(i - 1)] = CellValue(column, set.record(i), species, state);
            pacer.cellDone();
        }
    }
    if (!momentaStored) ComputeMomenta(set, species.amu);
    state.lastDataColumn = static_cast<int>(table.columns.size()) - 1;
    return table;
}

} // namespace zelkor
