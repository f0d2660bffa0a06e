#include "bindings/generate_call.hpp"

#include "bindings/binding_error.hpp"
#include "generator/alpha_sign.hpp"
#include "generator/generate_trim_dat.hpp"
#include "generator/generator_options.hpp"
#include "generator/validate_generator.hpp"

#include <variant>

namespace zelkor::bindings {

bool IsGeneratorOption(const std::string& name) {
    for (const auto& option : kGeneratorTextOptions)
        if (name == option.first) return true;
    return name == "sign-y" || name == "sign-z" || name == "uniform";
}

bool SetGeneratorOption(GeneratorInput& input, const std::string& name, const std::string& text) {
    for (const auto& [option, field] : kGeneratorTextOptions) {
        if (name != option) continue;
        input.fields.*field = text;
        return true;
    }
    if (name == "sign-y" || name == "sign-z") {
        const auto sign = AlphaSignFromText(text);
        if (!sign) throw BadArgument("a sign is PLUS or MINUS");
        (name == "sign-y" ? input.fields.signY : input.fields.signZ) = sign;
        return true;
    }
    if (name == "uniform") {
        if (!ReadUniformList(text, input.distributions)) throw BadArgument("uniform lists y, z, dydx, dzdx");
        return true;
    }
    return false;
}

int GenerateFile(const std::filesystem::path& path, const GeneratorInput& input, BeamRandom& random,
                 Progress& progress) {
    const auto checked = ValidateGenerator(input.fields, input.distributions);
    if (const auto* message = std::get_if<Message>(&checked)) Refuse(*message);
    const GenerationResult result = GenerateTrimDat(path, std::get<GeneratorParams>(checked), random, progress);
    if (!result.messages.empty()) Refuse(result.messages.front());
    return result.ionsWritten;
}

}  // namespace zelkor::bindings
