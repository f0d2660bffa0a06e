#include "io/write_winagile_point.hpp"

#include "io/decimal_fast_path.hpp"
#include "io/printf_format.hpp"
#include "io/write_pass.hpp"

namespace zelkor {
namespace {

constexpr double kMetresPerAngstrom = 1e-10;

// The metres of a position keep the sign bit of its Angstroms, even when
// they underflow to -0.
char* AppendPointField(char* out, double value) {
    out = AppendSignBlank(out, value);
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
        out = AppendPointField(out, record.y * kMetresPerAngstrom);
        out = AppendPointField(out, slopeY);
        out = AppendPointField(out, record.z * kMetresPerAngstrom);
        out = AppendPointField(out, slopeZ);
        if (fromTransmit) {
            out = AppendExponentFast(out, 0.0, 10);
            *out++ = '\t';
        } else {
            out = AppendPointField(out, record.momentum);
        }
        out = AppendInt(out, 65535);
        for (char c : std::string_view("   \r\n")) *out++ = c;
        return out;
    };
    return RunWritePass(
        path, set, openFailureText, progress, [](AtomicFile&) {}, writeRecord);
}

}  // namespace zelkor
