#include "state/load_file.hpp"

#include "data/particle_reader.hpp"
#include "data/platform/utf8_path.hpp"

#include <new>

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

LoadReport CheckFailed(const CheckResult& check, SourceKind previousKind, std::string previousPath, AppState& state) {
    LoadReport report;
    if (check.message) report.messages.push_back(*check.message);
    if (check.outcome == CheckOutcome::CannotOpen) {
        state.sourceKind = SourceKind::None;
        report.outcome = LoadOutcome::CannotOpen;
    } else {
        state.sourceKind = previousKind;
        report.outcome = LoadOutcome::Rejected;
    }
    state.inputPath = std::move(previousPath);
    return report;
}

LoadReport CountAndRead(SourceKind kind, const ReaderPasses& reader, const ReadSource& source, AppState& state,
                        ParticleSet& set, Progress& progress) {
    LoadReport report;
    const CountResult counted = reader.count(source, progress);
    if (counted.message) report.messages.push_back(*counted.message);
    if (counted.message && counted.lineCount == 0) return report;  // could not be opened: the set stays empty

    ReadResult read = reader.read(source, counted, progress);
    if (read.failure) report.messages.push_back(*read.failure);
    if (const auto warning = read.skippedWarning(); warning && !read.failure) report.messages.push_back(*warning);
    report.skippedLines = read.skippedLines;
    set = std::move(read.set);
    state.firstLines = std::move(read.firstLines);
    if (kind != SourceKind::WinAgile) {
        state.headerLine = std::move(read.headerLine);
        if (read.atomZ) state.atomZ = *read.atomZ;
    }
    return report;
}

}  // namespace

LoadReport LoadParticleSource(SourceKind kind, const ReadSource& source, AppState& state, ParticleSet& set,
                              Progress& progress, const std::function<void()>& afterCheck) {
    const ReaderPasses& reader = ReaderFor(kind);
    const SourceKind previousKind = state.sourceKind;
    std::string previousPath = state.inputPath;
    state.sourceKind = kind;
    state.inputPath = platform::Utf8FromPath(source.path);

    CheckResult check;
    try {
        check = reader.check(source, progress);
    } catch (const std::bad_alloc&) {
        check = {CheckOutcome::Rejected, ErrorMessage(kOutOfMemoryText)};
    }
    if (!check.passed()) return CheckFailed(check, previousKind, std::move(previousPath), state);

    ResetForLoad(state);
    if (afterCheck) afterCheck();
    AcceptAll(set);
    set = ParticleSet();
    state.firstLines.clear();
    SwitchAngleChoices(kind, state);
    try {
        return CountAndRead(kind, reader, source, state, set, progress);
    } catch (const std::bad_alloc&) {
        set = ParticleSet();
        LoadReport report;
        report.messages.push_back(ErrorMessage(kOutOfMemoryText));
        return report;
    }
}

LoadReport LoadParticleFile(SourceKind kind, const std::filesystem::path& path, AppState& state, ParticleSet& set,
                            Progress& progress, const std::function<void()>& afterCheck) {
    if (!IsReadOnce(path)) return LoadParticleSource(kind, path, state, set, progress, afterCheck);
    std::optional<ReadSource> copy;
    try {
        copy = ReadWhole(path);
    } catch (const std::bad_alloc&) {
        LoadReport report;
        report.outcome = LoadOutcome::Rejected;
        report.messages.push_back(ErrorMessage(kOutOfMemoryText));
        return report;
    }
    if (!copy) {
        // Nothing was read: as for a file that cannot be opened.
        state.sourceKind = SourceKind::None;
        LoadReport report;
        report.outcome = LoadOutcome::CannotOpen;
        report.messages.push_back(ErrorMessage(ReaderFor(kind).openFailureText));
        return report;
    }
    return LoadParticleSource(kind, *copy, state, set, progress, afterCheck);
}

}  // namespace zelkor
