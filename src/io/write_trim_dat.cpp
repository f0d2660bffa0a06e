#include "io/write_trim_dat.hpp"

#include "io/srim_columns.hpp"
#include "io/write_pass.hpp"

#include <array>

namespace zelkor {
namespace {

constexpr std::array<std::string_view, 7> kHeadLines = {
    "=========== TRIM with various Incident Ion Energies/Angles and Depths =========",
    "= This file tabulates the kinetics of incident ions or atoms.                 =",
    "= Col.#1: Ion Number, Col.#2: Z of atom leaving, Col.#3: Atom energy (eV).    =",
    "= Col.#4-6: Last location:  Col.#4: X= Depth into target.                     =",
    "= Col.#5,6: Y,Z= Transverse axes                                              =",
    "= Col.#7-9: Cosines of final trajectory.                                      =",
    "================ Typical Data File is shown below  ============================",
};
constexpr std::string_view kColumnTitles1 = "Event  Atom  Energy  Depth   Lateral-Position   ----- Atom Direction ----";
constexpr std::string_view kColumnTitles2 = "Name   Numb   (eV)    _X_(A)   _Y_(A)  _Z_(A)   Cos(X)   Cos(Y)   Cos(Z)";

// The number and its fill take six columns until the number needs more.
int BlanksAfterNumber(int number) {
    if (number < 10) return 5;
    if (number < 100) return 4;
    if (number < 1000) return 3;
    if (number < 10000) return 2;
    return 1;
}

// Z is right-aligned in three columns.
int BlanksBeforeZ(int atomZ) {
    if (atomZ < 10) return 2;
    if (atomZ < 100) return 1;
    return 0;
}

} // namespace

std::optional<Message> WriteTrimDat(const std::filesystem::path& path, const ParticleSet& set,
                                    std::string_view descriptionLine, int atomZ, int energyBlanks, int xBlanks,
                                    std::optional<double> fixedX, std::string_view openFailureText,
                                    Progress& progress) {
    const auto writeHeader = [&](AtomicFile& file) {
        for (std::string_view line : kHeadLines) AppendLine(file, line);
        AppendLine(file, descriptionLine);
        AppendLine(file, kColumnTitles1);
        AppendLine(file, kColumnTitles2);
    };
    const auto writeRecord = [&](char* out, const ParticleRecord& record, int number) {
        out = AppendInt(out, number);
        out = AppendBlanks(out, BlanksAfterNumber(number));
        out = AppendBlanks(out, BlanksBeforeZ(atomZ));
        out = AppendInt(out, atomZ);
        out = AppendSrimColumns(out, record, fixedX.value_or(record.x), energyBlanks, xBlanks);
        *out++ = '\r';
        *out++ = '\n';
        return out;
    };
    return RunWritePass(path, set, openFailureText, progress, writeHeader, writeRecord);
}

} // namespace zelkor
