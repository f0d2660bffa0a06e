#include "stats/availability.hpp"

namespace zelkor {

std::optional<Message> CheckAvailability(StatPage page, SourceKind sourceKind, bool relativisticCalculated,
                                         bool needsMass) {
    if (sourceKind == SourceKind::None) return ErrorMessage(kNoDataText);
    if (page == StatPage::Energy || page == StatPage::Momentum) {
        // TRIM.DAT passes although the text names TRANSMIT.TXT alone.
        if (sourceKind == SourceKind::WinAgile) return WarningMessage(kOnlyTransmitText);
        const bool needsCalculation = page == StatPage::Momentum || needsMass;
        if (needsCalculation && !relativisticCalculated) return WarningMessage(kMissingMassText);
    }
    return std::nullopt;
}

std::optional<Message> CheckAvailability(StatPage page, const AppState& state, const ParticleSet& set) {
    // A file is open; it merely holds no ion to compute anything from.
    if (state.sourceKind != SourceKind::None && set.count < 1) return ErrorMessage(kNoIonsText);
    return CheckAvailability(page, state.sourceKind, state.relativisticCalculated, state.needsMass());
}

}  // namespace zelkor
