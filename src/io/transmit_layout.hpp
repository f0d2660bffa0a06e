#pragma once

#include "io/atomic_file.hpp"

#include <string_view>

namespace zelkor {

// The TRANSMIT.TXT layout written line by line: the twelve header lines
// (line 10 "=" and the kept header line) and the start of a record line, the
// letter T, the number and the atomic number. Shared by every writer of
// the layout, including those that write line by line without a set.
void AppendTransmitHeader(AtomicFile& file, std::string_view headerLine);
char* AppendTransmitPrefix(char* out, int number, int atomZ);

}  // namespace zelkor
