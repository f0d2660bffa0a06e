#include "batch/batch_args.hpp"

namespace zelkor::batch {

std::optional<std::string> BatchArgs::option(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::optional<BatchArgs> ParseBatchArgs(const std::vector<std::string>& words, const ArgSpec& rules,
                                        std::string& error) {
    BatchArgs args;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool looksLikeOption = word.size() > 2 && word.compare(0, 2, "--") == 0;
        // "-o" is the one short option the commands use.
        const std::string name = word == "-o" ? "-o" : (looksLikeOption ? word.substr(2) : std::string());
        if (name.empty()) {
            args.positionals.push_back(word);
            continue;
        }
        if (rules.switches.count(name) != 0) {
            args.flags.insert(name);
            continue;
        }
        if (rules.valued.count(name) == 0) {
            error = "unknown option " + word;
            return std::nullopt;
        }
        if (i + 1 >= words.size()) {
            error = "missing value after " + word;
            return std::nullopt;
        }
        if (!args.options.emplace(name, words[++i]).second) {
            error = "option " + word + " given twice";
            return std::nullopt;
        }
    }
    return args;
}

}  // namespace zelkor::batch
