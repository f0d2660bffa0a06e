#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zelkor::batch {

// Command-line words after the command name: positionals, "--name value"
// options and bare "--flag" switches.
struct BatchArgs {
    std::vector<std::string> positionals;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;

    bool has(const std::string& name) const { return options.count(name) != 0 || flags.count(name) != 0; }
    std::optional<std::string> option(const std::string& name) const;
};

// What a command accepts: options that take a value and switches that do not.
struct ArgSpec {
    std::set<std::string> valued;
    std::set<std::string> switches;
};

// Splits words by the rules; on a word the rules do not know, a missing value
// or a repeated option, returns the reason in error.
std::optional<BatchArgs> ParseBatchArgs(const std::vector<std::string>& words, const ArgSpec& rules,
                                        std::string& error);

}  // namespace zelkor::batch
