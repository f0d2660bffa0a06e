#include "relativity/relativistic_table.hpp"

#include "stats/unit_scale.hpp"

#include "io/printf_format.hpp"
#include "relativity/momentum_pass.hpp"
#include "relativity/per_ion_formulas.hpp"
#include "stats/quantity.hpp"

namespace zelkor {
namespace {

std::string WithUnit(const char* title, int unitCode, const char* suffix = "") {
    const int code = unitCode >= 0 && unitCode <= 3 ? unitCode : 0;
    return std::string(title) + " [" + std::string(kEnergyUnitSymbols[static_cast<std::size_t>(code)]) + suffix + "]";
}

}  // namespace

std::vector<RelativisticColumn> RelativisticColumns(const RelativisticSelection& s) {
    using C = RelativisticColumn;
    std::vector<C> columns = {C::Ion, C::KineticEnergy, C::EnergyPerA, C::EnergyPerAmu};
    const std::pair<bool, C> optional[] = {
        {s.gamma, C::Gamma},       {s.beta, C::Beta},         {s.betaGamma, C::BetaGamma}, {s.mass, C::Mass},
        {s.velocity, C::Velocity}, {s.momentum, C::Momentum}, {s.rigidity, C::Rigidity}};
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

double RelativisticTable::value(std::size_t column, const ParticleRecord& r) const {
    const double e = r.energy;
    switch (columns[column]) {
        case RelativisticColumn::KineticEnergy: return KineticEnergyColumn(e, kineticFactor);
        case RelativisticColumn::EnergyPerA: return EnergyPerAColumn(e, energyAFactor, A);
        case RelativisticColumn::EnergyPerAmu: return EnergyPerAmuColumn(e, energyAmuFactor, amu);
        case RelativisticColumn::Gamma: return Gamma(e, amu);
        case RelativisticColumn::Beta: return Beta(Gamma(e, amu));
        case RelativisticColumn::BetaGamma: {
            const double g = Gamma(e, amu);
            return BetaGamma(g, Beta(g));
        }
        case RelativisticColumn::Mass: return RelativisticMass(amu, Gamma(e, amu));
        case RelativisticColumn::Velocity: return Velocity(Beta(Gamma(e, amu)));
        case RelativisticColumn::Momentum: return r.momentum * momentumFactor;
        case RelativisticColumn::Rigidity: return MagneticRigidity(MomentumOfIon(e, amu), n);
        case RelativisticColumn::Ion: break;
    }
    return 0.0;
}

std::string RelativisticTable::cell(std::size_t column, int ion, const ParticleSet& set) const {
    if (columns[column] == RelativisticColumn::Ion) return FormatInt("%d", ion);
    return FormatDouble("%lE", value(column, set.record(ion)));
}

RelativisticTable ComputeRelativisticTable(ParticleSet& set, AppState& state, const RelativisticSelection& selection,
                                           Progress& progress) {
    RelativisticTable table;
    table.energyRangeCaption = RangeLabel(state.energyQuantity, state.unitOf(state.energyQuantity));
    table.momentumRangeCaption = RangeLabel(QuantityId::Mom, state.unitOf(QuantityId::Mom));
    state.relativisticCalculated = true;
    table.columns = RelativisticColumns(selection);
    for (RelativisticColumn column : table.columns) table.headers.push_back(RelativisticHeader(column, state));
    table.rows = set.count;
    table.A = state.A;
    table.amu = state.amu;
    table.n = state.n;
    table.kineticFactor = OutputUnitFactor(state.unitOf(QuantityId::KinEnerg));
    table.energyAFactor = OutputUnitFactor(state.unitOf(QuantityId::EnergA));
    table.energyAmuFactor = OutputUnitFactor(state.unitOf(QuantityId::Energamu));
    table.momentumFactor = OutputUnitFactor(state.unitOf(QuantityId::Mom));
    ComputeMomenta(set, state.amu, progress);
    progress.advance(100);
    state.lastDataColumn = static_cast<int>(table.columns.size()) - 1;
    return table;
}

}  // namespace zelkor
