#include "state/load_file.hpp"

#include "data/particle_reader.hpp"

namespace zelkor {
namespace {

// The angle page offers ang X, Y, Z for ions with cosines and dY/dX, dZ/dX
// for WinAGILE points.
void SwitchAngleChoices(SourceKind kind, AppState& state) {
    const bool enable = kind != SourceKind::WinAgile;
    if (state.angleControlsEnabled == enable) return;
    state.angleControlsEnabled = enable;
    state.angleQuantity = enable ? QuantityId::AngX : QuantityId::dYdX;
}

} // namespace

LoadReport LoadParticleFile(SourceKind kind, const std::filesystem::path& path, AppState& state, ParticleSet& set,
                            Progress& progress, const std::function<void()>& afterCheck) {
    LoadReport report;
    const ReaderPasses& reader = ReaderFor(kind);
    state.sourceKind = kind;
    state.inputPath = path.string();

    const CheckResult check = reader.check(path, progress);
    if (!check.passed()) {
        if (check.message) report.messages.push_back(*check.message);
        if (check.outcome == CheckOutcome::CannotOpen) {
            state.sourceKind = SourceKind::None;
            report.outcome = LoadOutcome::CannotOpen;
        } else {
            report.outcome = LoadOutcome::Rejected;
        }
        return report;
    }

    ResetForLoad(state);
    if (afterCheck) afterCheck();
    AcceptAll(set);
    set = ParticleSet();
    SwitchAngleChoices(kind, state);

    const CountResult counted = reader.count(path, progress);
    if (counted.message) report.messages.push_back(*counted.message);
    if (counted.message && counted.lineCount == 0) return report;  // could not be opened: the set stays empty

    ReadResult read = reader.read(path, counted.lineCount, progress);
    if (read.failure) report.messages.push_back(*read.failure);
    if (const auto warning = read.skippedWarning(); warning && !read.failure) report.messages.push_back(*warning);
    set = std::move(read.set);
    if (kind != SourceKind::WinAgile) {
        state.headerLine = std::move(read.headerLine);
        if (read.atomZ) state.atomZ = *read.atomZ;
    }
    return report;
}

} // namespace zelkor
