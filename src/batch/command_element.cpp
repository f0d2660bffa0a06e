#include "batch/batch_command.hpp"
#include "relativity/element_entry.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

int RunElement(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    if (args.positionals.size() != 1) return UsageError(io, "give one element SYMBOL", usage);
    const ElementEntry* entry = FindElement(args.positionals.front());
    if (!entry) return UsageError(io, "no element with the symbol " + args.positionals.front(), usage);
    // One tooltip line per output line: the CR of each CR LF is dropped.
    for (char c : ElementTooltip(*entry))
        if (c != '\r') io.out << c;
    io.out << '\n';
    return kExitOk;
}

}  // namespace

BatchCommand ElementCommand() { return {"element", "zelkor-batch element SYMBOL", ArgSpec{}, &RunElement}; }

}  // namespace zelkor::batch
