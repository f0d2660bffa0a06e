#include "batch/batch_command.hpp"
#include "data/user_number.hpp"
#include "generator/generate_trim_dat.hpp"
#include "generator/generator_options.hpp"
#include "generator/validate_generator.hpp"
#include "data/platform/utf8_path.hpp"

namespace zelkor::batch {
namespace {

int RunGenerate(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    if (!args.positionals.empty()) return UsageError(io, "generate takes no FILE", usage);
    const auto out = args.option("-o");
    if (!out) return UsageError(io, "-o is missing", usage);
    const auto repeat = ParseUserInt(args.option("repeat").value_or("1"));
    if (!repeat || *repeat < 1) return UsageError(io, "--repeat must be a whole number >= 1", usage);

    GeneratorFields fields;
    for (const auto& [name, field] : kGeneratorTextOptions) fields.*field = args.option(name).value_or("");
    const auto signOf = [&](const char* name, std::optional<AlphaSign>& sign) {
        const auto text = args.option(name);
        if (text) sign = AlphaSignFromText(*text);
        return !text || sign.has_value();
    };
    if (!signOf("sign-y", fields.signY) || !signOf("sign-z", fields.signZ))
        return UsageError(io, "a sign is PLUS or MINUS", usage);
    DistributionChoice distributions;
    if (!ReadUniformList(args.option("uniform").value_or(""), distributions))
        return UsageError(io, "--uniform lists y, z, dydx, dzdx", usage);

    const auto checked = ValidateGenerator(fields, distributions);
    if (const auto* message = std::get_if<Message>(&checked)) {
        PrintMessage(io, *message);
        return kExitStopped;
    }
    const GeneratorParams& params = std::get<GeneratorParams>(checked);
    // The generations before the K-th drew from the same sequence; their
    // files are not wanted, only their draws.
    BeamRandom random;
    for (int k = 1; k < *repeat; ++k) GenerateBeam(params, random, NoProgress(), [](std::string_view) {});
    const GenerationResult result = GenerateTrimDat(platform::PathFromUtf8(*out), params, random);
    for (const Message& message : result.messages) PrintMessage(io, message);
    return result.messages.empty() ? kExitOk : kExitStopped;
}

ArgSpec GenerateRules() {
    ArgSpec rules{{"-o", "repeat", "uniform", "sign-y", "sign-z"}, {}};
    for (const auto& option : kGeneratorTextOptions) rules.valued.insert(option.first);
    return rules;
}

}  // namespace

BatchCommand GenerateCommand() {
    return {"generate",
            "zelkor-batch generate -o OUT --description TEXT --particles N --atomic-number Z --amu M --angle DEG "
            "--energy KEV --delta-e PERCENT --n-sigma N --y-total MM --z-total MM [--y-rms MM] [--z-rms MM] "
            "--dydx-total MRAD --dzdx-total MRAD [--dydx-rms MRAD] [--dzdx-rms MRAD] --eps-y E --eps-z E "
            "--sign-y PLUS|MINUS --sign-z PLUS|MINUS --d-y M --d-z M --ddx-y R --ddx-z R [--uniform y,z,dydx,dzdx] "
            "[--repeat K]",
            GenerateRules(), &RunGenerate};
}

}  // namespace zelkor::batch
