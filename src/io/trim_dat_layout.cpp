#include "io/trim_dat_layout.hpp"

#include "data/srim_format.hpp"
#include "io/printf_format.hpp"
#include "io/write_pass.hpp"

namespace zelkor {

void AppendTrimDatHeader(AtomicFile& file, std::string_view description) {
    for (std::string_view line : trim_dat::kBannerLines) AppendLine(file, line);
    AppendLine(file, description);
    AppendLine(file, trim_dat::kColumnTitles1);
    AppendLine(file, trim_dat::kColumnTitles2);
}

char* AppendTrimDatPrefix(char* out, int number, int atomZ) {
    out = AppendInt(out, number);
    out = AppendBlanks(out, BlanksToWidth(number, 6, 1));
    out = AppendBlanks(out, BlanksToWidth(atomZ, 3));
    return AppendInt(out, atomZ);
}

}  // namespace zelkor
