#include "generator/generator_options.hpp"

namespace zelkor {

bool ReadUniformList(std::string_view list, DistributionChoice& choice) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        if (name == "y")
            choice.posY = Distribution::Uniform;
        else if (name == "z")
            choice.posZ = Distribution::Uniform;
        else if (name == "dydx")
            choice.slopeY = Distribution::Uniform;
        else if (name == "dzdx")
            choice.slopeZ = Distribution::Uniform;
        else
            return false;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return true;
}

}  // namespace zelkor
