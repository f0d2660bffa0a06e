#include "batch/batch_command.hpp"
#include "generator/twiss_window.hpp"

#include <ostream>

namespace zelkor::batch {
namespace {

// An option left out is an empty field; a sign other than the two list items
// is no choice the window could make.
bool ReadSign(const BatchArgs& args, const std::string& name, std::optional<AlphaSign>& sign) {
    const auto text = args.option(name);
    if (!text) return true;
    sign = AlphaSignFromText(*text);
    return sign.has_value();
}

int RunTwiss(const BatchArgs& args, const BatchIo& io, const std::string& usage) {
    if (!args.positionals.empty()) return UsageError(io, "twiss takes no FILE", usage);
    TwissFields f;
    f.yTotal = args.option("y-total").value_or("");
    f.dydxTotal = args.option("dydx-total").value_or("");
    f.epsY = args.option("eps-y").value_or("");
    f.zTotal = args.option("z-total").value_or("");
    f.dzdxTotal = args.option("dzdx-total").value_or("");
    f.epsZ = args.option("eps-z").value_or("");
    if (!ReadSign(args, "sign-y", f.signY) || !ReadSign(args, "sign-z", f.signZ))
        return UsageError(io, "a sign is PLUS or MINUS", usage);
    const auto result = ShowTwissParameters(f);
    if (const auto* message = std::get_if<Message>(&result)) {
        PrintMessage(io, *message);
        return kExitStopped;
    }
    for (const std::string& label : std::get<TwissLabels>(result)) io.out << label << '\n';
    return kExitOk;
}

}  // namespace

BatchCommand TwissCommand() {
    return {"twiss",
            "zelkor-batch twiss --y-total T --dydx-total T --eps-y E --sign-y PLUS|MINUS --z-total T --dzdx-total T "
            "--eps-z E --sign-z PLUS|MINUS",
            ArgSpec{{"y-total", "dydx-total", "eps-y", "sign-y", "z-total", "dzdx-total", "eps-z", "sign-z"}, {}},
            &RunTwiss};
}

}  // namespace zelkor::batch
