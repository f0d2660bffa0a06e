#include "bindings/binding_error.hpp"
#include "bindings/generate_call.hpp"
#include "bindings/save_call.hpp"
#include "io/file_commands.hpp"
#include "web/web_core.hpp"
#include "web/web_progress.hpp"
#include "web/web_values.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zelkor::web {
namespace {

using emscripten::val;

// The writers replace a file whole; the page wants its bytes for a download,
// so each file is written in the worker's memory and read back once.
const std::filesystem::path kDownloadPath = "/tmp/zelkor-download";

val TakeDownload() {
    std::string bytes;
    {
        std::ifstream in(kDownloadPath, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::error_code ignored;
    std::filesystem::remove(kDownloadPath, ignored);
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

}  // namespace

val WebCore::save(const std::string& kindWord, val setX, val progress) const {
    return Answer([&] {
        if (const auto refusal = CheckCanSaveFiltered(session_.state)) bindings::Refuse(*refusal);
        WebProgress reported(progress);
        const std::optional<std::string> word = kindWord.empty() ? std::nullopt : std::optional(kindWord);
        bindings::SaveSession(session_, kDownloadPath, word, OptionalText(setX), reported);
        return TakeDownload();
    });
}

val WebCore::saveTransformed(val progress) const {
    return Answer([&] {
        WebProgress reported(progress);
        bindings::SaveTransformed(session_, kDownloadPath, reported);
        return TakeDownload();
    });
}

val WebCore::generate(val fields, val progress) {
    return Answer([&] {
        bindings::GeneratorInput input;
        const val names = val::global("Object").call<val>("keys", fields);
        for (int k = 0; k < names["length"].as<int>(); ++k) {
            const std::string name = names[k].as<std::string>();
            if (!bindings::SetGeneratorOption(input, name, fields[name].as<std::string>()))
                throw bindings::BadArgument("no generator field " + name);
        }
        WebProgress reported(progress);
        const int count = bindings::GenerateFile(kDownloadPath, input, random_, reported);
        val answer = val::object();
        answer.set("count", count);
        answer.set("bytes", TakeDownload());
        return answer;
    });
}

}  // namespace zelkor::web
