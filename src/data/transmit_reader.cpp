#include "data/transmit_reader.hpp"

#include "data/reader_passes.hpp"
#include "data/record_lines_reader.hpp"
#include "data/srim_format.hpp"

namespace zelkor {
namespace {

// Fields: type letter (first character, T, B or S, ignored), ion number
// (touches the letter from 10000 on), Z, energy, X, Y, Z, three cosines.
bool ParseTransmitLine(std::string_view line, ParticleRecord& r, int& atomZ, int& lastDecimals) {
    FieldScanner fields(line);
    char type = 0;
    int ionNumber = 0;
    if (!(fields.readChar(type) && fields.readInt(ionNumber) && fields.readInt(atomZ) && fields.readReal(r.energy) &&
          fields.readReal(r.x) && fields.readReal(r.y) && fields.readReal(r.z) && fields.readReal(r.cos_x) &&
          fields.readReal(r.cos_y) && fields.readReal(r.cos_z) && fields.atLineEnd()))
        return false;
    lastDecimals = fields.fractionDigits();
    return true;
}

}  // namespace

CheckResult CheckTransmitTxt(const ReadSource& source, Progress& progress) {
    return CheckForMarker(source, {transmit_txt::kMarkers[0], transmit_txt::kMarkers[1]}, true, progress);
}

CountResult CountTransmitTxtLines(const ReadSource& source, Progress& progress) {
    // One slot more than the lines after the header.
    return CountLineReads(source, 1 - transmit_txt::kHeaderLines, kCannotOpenText, progress);
}

ReadResult ReadTransmitTxt(const ReadSource& source, const CountResult& counted, Progress& progress) {
    const RecordFileLayout layout{transmit_txt::kHeaderLines, transmit_txt::kKeptLine, true, kCannotOpenText};
    return ReadRecordLines(source, counted, progress, layout, ParseTransmitLine);
}

}  // namespace zelkor
