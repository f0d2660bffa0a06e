#pragma once

#include "io/atomic_file.hpp"

#include <string_view>

namespace zelkor {

// The TRIM.DAT layout: the ten header lines (line 8 the description) and the
// start of a record line, the number and the atomic number in their fixed
// widths. Shared by every writer of the layout.
void AppendTrimDatHeader(AtomicFile& file, std::string_view description);
char* AppendTrimDatPrefix(char* out, int number, int atomZ);

}  // namespace zelkor
