#include "data/particle_reader.hpp"

#include "data/transmit_reader.hpp"
#include "data/trim_dat_reader.hpp"
#include "data/winagile_reader.hpp"

#include <stdexcept>

namespace zelkor {

std::optional<Message> ReadResult::skippedWarning() const {
    if (skippedLines == 0) return std::nullopt;
    const std::string first = std::to_string(firstSkippedLine);
    if (skippedLines == 1) return WarningMessage("1 line could not be read and was skipped: line " + first + ".");
    return WarningMessage(std::to_string(skippedLines) +
                          " lines could not be read and were skipped; the first is line " + first + ".");
}

const ReaderPasses& ReaderFor(SourceKind kind) {
    static const ReaderPasses transmit{&CheckTransmitTxt, &CountTransmitTxtLines, &ReadTransmitTxt, kCannotOpenText};
    static const ReaderPasses trimDat{&CheckTrimDat, &CountTrimDatLines, &ReadTrimDat, kCannotOpenText};
    static const ReaderPasses winAgile{&CheckWinAgilePoint, &CountWinAgileLines, &ReadWinAgilePoint, kCannotImportText};
    switch (kind) {
        case SourceKind::TransmitTxt: return transmit;
        case SourceKind::TrimDat: return trimDat;
        case SourceKind::WinAgile: return winAgile;
        case SourceKind::None: break;
    }
    throw std::invalid_argument("no reader for this source kind");
}

}  // namespace zelkor
