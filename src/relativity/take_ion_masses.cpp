#include "relativity/take_ion_masses.hpp"

#include "relativity/momentum_pass.hpp"
#include "relativity/relativistic_inputs.hpp"
#include "relativity/relativistic_table.hpp"

#include <variant>

namespace zelkor {

std::optional<Message> TakeSpecies(std::string_view aText, std::string_view amuText, AppState& state, ParticleSet& set,
                                   std::optional<std::string_view> nText, Progress& progress) {
    if (auto refusal = CheckRelativisticAvailable(state.sourceKind)) return refusal;
    const auto checked = ValidateRelativisticInputs(aText, amuText, nText.has_value(), nText.value_or(""));
    if (const auto* refusal = std::get_if<Message>(&checked)) return *refusal;
    const auto& inputs = std::get<RelativisticInputs>(checked);
    StoreRelativisticInputs(inputs, state);
    state.relativisticCalculated = true;
    ComputeMomenta(set, inputs.amu, progress);
    return std::nullopt;
}

}  // namespace zelkor
