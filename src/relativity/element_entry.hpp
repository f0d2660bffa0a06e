#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zelkor {

// Rows of the periodic table: the periods 1..7, then the two f-block rows
// that stand apart under the table.
inline constexpr int kLanthanoidRow = 8;
inline constexpr int kActinoidRow = 9;

// One button of the element table: the bare-nucleus mass of one isotope, kept
// as text so that it is offered exactly as tabulated.
struct ElementEntry {
    std::string_view symbol;
    std::string_view name;  // as the tooltip names it
    int A;                  // mass number of the isotope
    int Z;                  // atomic number, also the charge state offered
    std::string_view amu;   // ion mass in u, verbatim
    int row;                // 1..7, kLanthanoidRow or kActinoidRow
    int column;             // 1..18 from the left
    std::string_view button;
};

// Hydrogen to uranium, in order of Z.
extern const std::array<ElementEntry, 92> kElements;

// The entry with this button caption, or nullptr.
const ElementEntry* FindElement(std::string_view symbol);

// The four tooltip lines, separated by CR LF: "H (Hydrogenium)",
// "A = 1, Z = 1", "amu = 1.00727646688", "n = 1".
std::string ElementTooltip(const ElementEntry& entry);

// The edit texts a click on the element fills in: A, amu and n of the
// relativistic window, Atomic Number and amu of the generator.
struct ElementFieldTexts {
    std::string A;
    std::string amu;
    std::string n;
    std::string atomicNumber;
};
ElementFieldTexts FieldTextsOf(const ElementEntry& entry);

}  // namespace zelkor
