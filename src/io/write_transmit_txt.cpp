#include "io/write_transmit_txt.hpp"

#include "io/srim_columns.hpp"
#include "io/transmit_layout.hpp"
#include "io/write_pass.hpp"

namespace zelkor {

std::optional<Message> WriteTransmitTxt(const std::filesystem::path& path, const ParticleSet& set,
                                        std::string_view headerLine, int atomZ, int energyBlanks, int xBlanks,
                                        std::string_view openFailureText, Progress& progress) {
    const auto writeHeader = [&](AtomicFile& file) { AppendTransmitHeader(file, headerLine); };
    const auto writeRecord = [&](char* out, const ParticleRecord& record, int number) {
        out = AppendTransmitPrefix(out, number, atomZ);
        out = AppendSrimColumns(out, record, record.x, energyBlanks, xBlanks);
        *out++ = '\r';
        *out++ = '\n';
        return out;
    };
    return RunWritePass(path, set, openFailureText, progress, writeHeader, writeRecord);
}

}  // namespace zelkor
