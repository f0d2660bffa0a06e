#include "data/winagile_reader.hpp"

#include "data/reader_passes.hpp"
#include "data/record_lines_reader.hpp"

namespace zelkor {
namespace {

constexpr double kMetreInAngstrom = 1e10;

// Fields: Y (m), dY/dX, Z (m), dZ/dX, dp/p, flag (ignored).
bool ParseWinAgileLine(std::string_view line, ParticleRecord& r, int& /*atomZ*/, int& /*lastDecimals*/) {
    FieldScanner fields(line);
    int flag = 0;
    double y = 0.0;
    double z = 0.0;
    if (!(fields.readReal(y) && fields.readReal(r.cos_y) && fields.readReal(z) && fields.readReal(r.cos_z) &&
          fields.readReal(r.momentum) && fields.readInt(flag) && fields.atLineEnd()))
        return false;
    r.y = y * kMetreInAngstrom;
    r.z = z * kMetreInAngstrom;
    return true;
}

}  // namespace

CheckResult CheckWinAgilePoint(const ReadSource& source, Progress& /*progress*/) {
    return CheckOpenClose(source, kCannotImportText);
}

CountResult CountWinAgileLines(const ReadSource& source, Progress& progress) {
    // The read that finds the end of the file counts as well.
    return CountLineReads(source, 1, kCannotImportText, progress);
}

ReadResult ReadWinAgilePoint(const ReadSource& source, const CountResult& counted, Progress& progress) {
    const RecordFileLayout layout{0, 0, false, kCannotImportText};
    return ReadRecordLines(source, counted, progress, layout, ParseWinAgileLine);
}

}  // namespace zelkor
