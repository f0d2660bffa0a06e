#include "io/transmit_layout.hpp"

#include "data/srim_format.hpp"
#include "io/printf_format.hpp"
#include "io/write_pass.hpp"

namespace zelkor {

void AppendTransmitHeader(AtomicFile& file, std::string_view headerLine) {
    for (std::string_view line : transmit_txt::kBannerLines) AppendLine(file, line);
    file.append(transmit_txt::kKeptLinePrefix);
    AppendLine(file, headerLine);
    AppendLine(file, transmit_txt::kColumnTitles1);
    AppendLine(file, transmit_txt::kColumnTitles2);
}

char* AppendTransmitPrefix(char* out, int number, int atomZ) {
    *out++ = 'T';
    // The letter and the number share five columns until the number needs them all.
    out = AppendBlanks(out, BlanksToWidth(number, 5));
    out = AppendInt(out, number);
    out = AppendBlanks(out, 2);
    return AppendInt(out, atomZ);
}

}  // namespace zelkor
