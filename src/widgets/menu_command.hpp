#pragma once

namespace zelkor {

// The File menu's commands that a subsystem's windows carry out: the main
// window builds their actions, the subsystem connects to them by this key.
enum class MenuCommand {
    GenerateTrimDat,      // File > Generate > TRIM.DAT ("GenTRIMDAT")
    SaveFilteredFile,     // File > Save > Filtered File ("SaveFilteredFile")
    SaveTransformedFile,  // File > Save > Transformed File ("SaveTransformedFile")
    ExportWinAgile,       // File > Export > TRANSMIT.TXT to WinAGILE Point File ("WinAGILEPointFileEx")
    ExportTrimDat,        // File > Export > TRANSMIT.TXT to TRIM.DAT ("TRANSMITTXTtoTRIMDAT")
    CompareRuns,          // File > Compare Runs... ("CompareRuns")
};

inline constexpr int kMenuCommandCount = 6;

}  // namespace zelkor
