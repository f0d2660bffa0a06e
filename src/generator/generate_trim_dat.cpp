#include "generator/generate_trim_dat.hpp"

#include "io/atomic_file.hpp"
#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"
#include "io/write_pass.hpp"

#include <array>
#include <string>

namespace zelkor {
namespace {

constexpr std::array<std::string_view, 7> kHeadLines = {
    "=========== TRIM with various Incident Ion Energies/Angles and Depths =========",
    "= This file tabulates the kinetics of incident ions or atoms.                 =",
    "= Col.#1: Ion Number, Col.#2: Z of atom leaving, Col.#3: Atom energy (eV).    =",
    "= Col.#4-6: Last location:  Col.#4: X= Depth into target.                     =",
    "= Col.#5,6: Y,Z= Transverse axes                                              =",
    "= Col.#7-9: Cosines of final trajectory.                                      =",
    "================ Typical Data File is shown below  ============================",
};
constexpr std::string_view kColumnTitles1 = "Event  Atom  Energy  Depth   Lateral-Position   ----- Atom Direction ----";
constexpr std::string_view kColumnTitles2 = "Name   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)";

// The running number and its trailing blanks fill six columns until it needs more.
int BlanksAfterNumber(int k) {
    if (k < 10) return 5;
    if (k < 100) return 4;
    if (k < 1000) return 3;
    if (k < 10000) return 2;
    return 1;
}

int BlanksBeforeAtom(int z) {
    if (z < 10) return 2;
    if (z < 100) return 1;
    return 0;
}

std::string StoppedText(int ionsWritten) {
    return "Generation stopped at ion " + std::to_string(ionsWritten + 1) + ": the file holds the " +
           std::to_string(ionsWritten) + (ionsWritten == 1 ? " ion" : " ions") + " before it.";
}

} // namespace

char* AppendGeneratedLine(char* out, int k, int atomicNumber, const GeneratedIon& ion) {
    out = AppendInt(out, k);
    out = AppendBlanks(out, BlanksAfterNumber(k));
    out = AppendBlanks(out, BlanksBeforeAtom(atomicNumber));
    out = AppendInt(out, atomicNumber);
    out = AppendBlanks(out, 3);
    out = AppendExponentFast(out, ion.energy, 6);
    out = AppendBlanks(out, 2);
    out = AppendExponentFast(out, 0.0, 6);
    out = AppendSignBlanks(out, ion.y);
    out = AppendExponentFast(out, ion.y, 10);
    out = AppendSignBlanks(out, ion.z);
    out = AppendExponentFast(out, ion.z, 10);
    out = AppendBlanks(out, 2);
    out = AppendFixedFast(out, ion.cosX, 10);
    out = AppendSignBlanks(out, ion.cosY);
    out = AppendFixedFast(out, ion.cosY, 10);
    out = AppendSignBlanks(out, ion.cosZ);
    return AppendFixedFast(out, ion.cosZ, 10);
}

GenerationResult GenerateBeam(const GeneratorParams& params, BeamRandom& random, Progress& progress,
                              const std::function<void(std::string_view)>& line) {
    GenerationResult result;
    BeamSampler sampler(params);
    const int period = ProgressPeriod(params.particles, 100);
    char buffer[12 * (kMaxNumberChars + 8)];
    for (int k = 1; k <= params.particles; ++k) {
        const auto ion = sampler.next(random, progress);
        if (const auto* stop = std::get_if<SamplingStop>(&ion)) {
            result.messages.push_back(ErrorMessage(stop->reason + "\n" + StoppedText(result.ionsWritten)));
            break;
        }
        char* end = AppendGeneratedLine(buffer, k, params.atomicNumber, std::get<GeneratedIon>(ion));
        *end++ = '\r';
        *end++ = '\n';
        line(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
        ++result.ionsWritten;
        if (k % period == 0) progress.advance(1);
        progress.yield();
    }
    return result;
}

GenerationResult GenerateTrimDat(const std::filesystem::path& path, const GeneratorParams& params, BeamRandom& random,
                                 Progress& progress) {
    AtomicFile file(path);
    if (file.failed()) return {0, {*WriteFailureMessage(file.failed(), kCannotExportText)}};
    for (std::string_view head : kHeadLines) AppendLine(file, head);
    AppendLine(file, params.description);
    AppendLine(file, kColumnTitles1);
    AppendLine(file, kColumnTitles2);
    GenerationResult result = GenerateBeam(params, random, progress, [&](std::string_view text) { file.append(text); });
    if (const auto failure = WriteFailureMessage(file.commit(), kCannotExportText)) {
        // The old file stays: a stop message must not claim ions were kept.
        for (Message& m : result.messages) m.text = m.text.substr(0, m.text.find('\n'));
        result.messages.push_back(*failure);
        result.ionsWritten = 0;
    }
    return result;
}

} // namespace zelkor
