#include "data/trim_dat_reader.hpp"

#include "data/reader_passes.hpp"
#include "data/record_lines_reader.hpp"
#include "data/srim_format.hpp"

namespace zelkor {
namespace {

// Fields: event name (ignored), Z, energy, X, Y, Z, three cosines.
bool ParseTrimDatLine(std::string_view line, ParticleRecord& r, int& atomZ, int& lastDecimals) {
    FieldScanner fields(line);
    if (!(fields.skipToken() && fields.readInt(atomZ) && fields.readReal(r.energy) && fields.readReal(r.x) &&
          fields.readReal(r.y) && fields.readReal(r.z) && fields.readReal(r.cos_x) && fields.readReal(r.cos_y) &&
          fields.readReal(r.cos_z) && fields.atLineEnd()))
        return false;
    lastDecimals = fields.fractionDigits();
    return true;
}

}  // namespace

CheckResult CheckTrimDat(const ReadSource& source, Progress& progress) {
    return CheckForMarker(source, {trim_dat::kMarker}, false, progress);
}

CountResult CountTrimDatLines(const ReadSource& source, Progress& progress) {
    return CountLineReads(source, -5, kCannotOpenText, progress);
}

ReadResult ReadTrimDat(const ReadSource& source, const CountResult& counted, Progress& progress) {
    const RecordFileLayout layout{trim_dat::kHeaderLines, trim_dat::kKeptLine, true, kCannotOpenText};
    return ReadRecordLines(source, counted, progress, layout, ParseTrimDatLine);
}

}  // namespace zelkor
