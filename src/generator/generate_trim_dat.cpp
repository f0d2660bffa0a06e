#include "generator/generate_trim_dat.hpp"

#include "io/trim_dat_layout.hpp"
#include "io/atomic_file.hpp"
#include "io/printf_format.hpp"
#include "io/srim_columns.hpp"
#include "io/write_pass.hpp"

#include <string>

namespace zelkor {
namespace {

std::string StoppedText(int ionsWritten) {
    return "Generation stopped at ion " + std::to_string(ionsWritten + 1) + ": the file holds the " +
           std::to_string(ionsWritten) + (ionsWritten == 1 ? " ion" : " ions") + " before it.";
}

}  // namespace

char* AppendGeneratedLine(char* out, int k, int atomicNumber, const GeneratedIon& ion) {
    ParticleRecord record;
    record.energy = ion.energy;
    record.y = ion.y;
    record.z = ion.z;
    record.cos_x = ion.cosX;
    record.cos_y = ion.cosY;
    record.cos_z = ion.cosZ;
    // Every ion starts at depth 0; the energy stands three blanks after Z.
    return AppendSrimColumns(AppendTrimDatPrefix(out, k, atomicNumber), record, 0.0, 3, 2);
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
    AppendTrimDatHeader(file, params.description);
    GenerationResult result = GenerateBeam(params, random, progress, [&](std::string_view text) { file.append(text); });
    if (const auto failure = WriteFailureMessage(file.commit(), kCannotExportText)) {
        // The old file stays: a stop message must not claim ions were kept.
        for (Message& m : result.messages) m.text = m.text.substr(0, m.text.find('\n'));
        result.messages.push_back(*failure);
        result.ionsWritten = 0;
    }
    return result;
}

}  // namespace zelkor
