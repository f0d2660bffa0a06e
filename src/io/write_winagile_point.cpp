#include "io/write_winagile_point.hpp"

#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"
#include "io/write_pass.hpp"

namespace zelkor {
namespace {

constexpr double kMetresPerAngstrom = 1e-10;

// One blank before a value >= 0, none before a negative one. The sign is
// tested on the value as held (for positions, before the unit conversion,
// so a tiny negative position that underflows to -0 still gets its blank).
char* AppendPointField(char* out, double signOf, double value) {
    if (signOf >= 0.0) *out++ = ' ';
    out = AppendExponentFast(out, value, 10);
    *out++ = '\t';
    return out;
}

}  // namespace

std::optional<Message> WriteWinAgilePoint(const std::filesystem::path& path, const ParticleSet& set,
                                          PointFileSource source, std::string_view openFailureText,
                                          Progress& progress) {
    const bool fromTransmit = source == PointFileSource::TransmitTxt;
    const auto writeRecord = [&](char* out, const ParticleRecord& record, int /*number*/) {
        const double slopeY = fromTransmit ? record.cos_y / record.cos_x : record.cos_y;
        const double slopeZ = fromTransmit ? record.cos_z / record.cos_x : record.cos_z;
        out = AppendPointField(out, record.y, record.y * kMetresPerAngstrom);
        out = AppendPointField(out, slopeY, slopeY);
        out = AppendPointField(out, record.z, record.z * kMetresPerAngstrom);
        out = AppendPointField(out, slopeZ, slopeZ);
        if (fromTransmit) {
            out = AppendExponentFast(out, 0.0, 10);
            *out++ = '\t';
        } else {
            out = AppendPointField(out, record.momentum, record.momentum);
        }
        out = AppendInt(out, 65535);
        for (char c : std::string_view("   \r\n")) *out++ = c;
        return out;
    };
    return RunWritePass(
        path, set, openFailureText, progress, [](AtomicFile&) {}, writeRecord);
}

}  // namespace zelkor
