#pragma once

#include "data/particle_set.hpp"
#include "data/progress.hpp"
#include "data/source_kind.hpp"
#include "optics/transform.hpp"

#include <array>
#include <iosfwd>
#include <string>

namespace zelkor {

// The nine column titles of strgTransform.
inline constexpr std::array<const char*, 9> kTransformHeaders = {
    "Ion",        "Y(old) [m]", "Y(new) [m]",       "dY/dX(old) [rad]", "dY/dX(new) [rad]",
    "Z(old) [m]", "Z(new) [m]", "dZ/dX(old) [rad]", "dZ/dX(new) [rad]",
};

// The value of listing column 1..8 (Y, Y new, Y', Y' new, Z, Z new, Z', Z' new).
double TransformColumnValue(const TransformRow& row, int column);

// One cell of the listing: column 0 the ion number "%d", the others "%.10lE".
std::string TransformCell(int ion, const TransformRow& row, int column);

// Cells left..right (0..8) of an ion's listing row, as TransformCell writes
// them, each followed by a tab; at most 9 * (kMaxNumberChars + 1) characters.
char* AppendTransformCells(char* out, int ion, const TransformRow& row, int left, int right);

// The listing as tab-separated text: the header line, then one line per ion
// (every ion, accepted or not), each ended by "\n". Progress advances by one
// at every ion whose index is a multiple of count / 100 and yields after each.
void WriteTransformListing(std::ostream& out, const ParticleSet& set, SourceKind kind, const TransferMatrix& matrix,
                           Progress& progress = NoProgress());

}  // namespace zelkor
