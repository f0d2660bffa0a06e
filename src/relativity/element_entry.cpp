#include "relativity/element_entry.hpp"

namespace zelkor {

const ElementEntry* FindElement(std::string_view symbol) {
    for (const ElementEntry& e : kElements)
        if (e.symbol == symbol) return &e;
    return nullptr;
}

std::string ElementTooltip(const ElementEntry& e) {
    std::string text;
    text.append(e.symbol).append(" (").append(e.name).append(")\r\n");
    text.append("A = ").append(std::to_string(e.A)).append(", Z = ").append(std::to_string(e.Z)).append("\r\n");
    text.append("amu = ").append(e.amu).append("\r\n");
    text.append("n = ").append(std::to_string(e.Z));
    return text;
}

ElementFieldTexts FieldTextsOf(const ElementEntry& e) {
    return {std::to_string(e.A), std::string(e.amu), std::to_string(e.Z), std::to_string(e.Z)};
}

}  // namespace zelkor
