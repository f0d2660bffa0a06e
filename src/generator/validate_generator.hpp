#pragma once

#include "data/message.hpp"
#include "generator/generator_fields.hpp"

#include <variant>

namespace zelkor {

// The 48 checks of "Generate" in their order: empty fields first (the RMS
// fields only for Gaussian quantities), then conversions and ranges, then the
// emittance ellipses of both planes. The first failure is the message.
std::variant<GeneratorParams, Message> ValidateGenerator(const GeneratorFields& fields,
                                                         const DistributionChoice& distributions);

}  // namespace zelkor
