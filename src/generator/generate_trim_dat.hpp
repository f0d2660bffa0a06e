#pragma once

#include "data/message.hpp"
#include "data/progress.hpp"
#include "generator/beam_random.hpp"
#include "generator/beam_sampler.hpp"
#include "generator/generator_fields.hpp"

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

namespace zelkor {

// One generated ion's TRIM.DAT line (without its line end): running number
// k and atomic number in their fixed-width fields, energy, depth 0, Y, Z and
// the three cosines.
char* AppendGeneratedLine(char* out, int k, int atomicNumber, const GeneratedIon& ion);

struct GenerationResult {
    int ionsWritten = 0;
    std::vector<Message> messages;  // in the order they are to be shown
};

// Draws the ions k = 1..N and hands each complete line (with CR LF) to
// `line`. Stops early when an ion cannot be sampled; the ion being drawn then
// gives no line and the result carries the reason. Progress advances by one
// at every k that is a multiple of N / 100 and yields after every ion.
GenerationResult GenerateBeam(const GeneratorParams& params, BeamRandom& random, Progress& progress,
                              const std::function<void(std::string_view)>& line);

// GenerateBeam into a TRIM.DAT file: the ten header lines (line 8 the
// description), then the ions. The file replaces the target only as a whole;
// after an early stop it holds the complete ions before the stop (a valid
// TRIM.DAT with fewer ions) and the message says how many. A file that cannot
// be created gives "Cannot export a file!", a failed write or close "Cannot
// close a file!"; the old target is then left as it was.
GenerationResult GenerateTrimDat(const std::filesystem::path& path, const GeneratorParams& params, BeamRandom& random,
                                 Progress& progress = NoProgress());

}  // namespace zelkor
