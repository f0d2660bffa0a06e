#include "io/srim_columns.hpp"

#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"
#include "io/write_pass.hpp"

#include <algorithm>

namespace zelkor {

char* AppendSrimColumns(char* out, const ParticleRecord& record, double x, int energyBlanks, int xBlanks) {
    out = AppendBlanks(out, std::clamp(energyBlanks, 0, 64));
    out = AppendExponentFast(out, record.energy, 6);
    out = AppendBlanks(out, std::clamp(xBlanks, 0, 64));
    out = AppendExponentFast(out, x, 6);
    out = AppendSignBlanks(out, record.y);
    out = AppendExponentFast(out, record.y, 10);
    out = AppendSignBlanks(out, record.z);
    out = AppendExponentFast(out, record.z, 10);
    out = AppendBlanks(out, 2);
    out = AppendFixedFast(out, record.cos_x, 10);
    out = AppendSignBlanks(out, record.cos_y);
    out = AppendFixedFast(out, record.cos_y, 10);
    out = AppendSignBlanks(out, record.cos_z);
    return AppendFixedFast(out, record.cos_z, 10);
}

}  // namespace zelkor
