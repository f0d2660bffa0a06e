#include "io/write_trim_dat.hpp"

#include "io/srim_columns.hpp"
#include "io/trim_dat_layout.hpp"
#include "io/write_pass.hpp"

namespace zelkor {

std::optional<Message> WriteTrimDat(const std::filesystem::path& path, const ParticleSet& set,
                                    std::string_view descriptionLine, int atomZ, int energyBlanks, int xBlanks,
                                    std::optional<double> fixedX, std::string_view openFailureText,
                                    Progress& progress) {
    const auto writeHeader = [&](AtomicFile& file) { AppendTrimDatHeader(file, descriptionLine); };
    const auto writeRecord = [&](char* out, const ParticleRecord& record, int number) {
        out = AppendTrimDatPrefix(out, number, atomZ);
        out = AppendSrimColumns(out, record, fixedX.value_or(record.x), energyBlanks, xBlanks);
        *out++ = '\r';
        *out++ = '\n';
        return out;
    };
    return RunWritePass(path, set, openFailureText, progress, writeHeader, writeRecord);
}

}  // namespace zelkor
