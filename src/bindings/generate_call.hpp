#pragma once

#include "data/progress.hpp"
#include "generator/beam_random.hpp"
#include "generator/generator_fields.hpp"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace zelkor::bindings {

// The generator window's fields and distributions under the names scripts
// give them ("particles", "y-total", "sign-y", "uniform" ...), as texts.
struct GeneratorInput {
    GeneratorFields fields;
    DistributionChoice distributions;
};

// True for the name of a field, a sign, or "uniform".
bool IsGeneratorOption(const std::string& name);

// Sets one named field; false when no field bears the name. A sign other
// than PLUS or MINUS, or a uniform list naming something else, is a
// BadArgument.
bool SetGeneratorOption(GeneratorInput& input, const std::string& name, const std::string& text);

// "Generate": the window's checks (a refusal throws its message), then the
// TRIM.DAT written from the run's random sequence, which goes on from where
// the last generation left it. A sampling stop throws its message after the
// file holds the ions before the stop. Returns the number of ions written.
int GenerateFile(const std::filesystem::path& path, const GeneratorInput& input, BeamRandom& random,
                 Progress& progress = NoProgress());

}  // namespace zelkor::bindings
