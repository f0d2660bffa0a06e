#pragma once

#include <string>
#include <vector>

namespace zelkor::test {

// The twelve header lines of a TRANSMIT.txt as SRIM-2013 writes them, with
// the given line 10 and line end.
std::string SrimTransmitHeader(
    const std::string& line10, const std::string& eol = "\r\n",
    const std::string& banner = "=================  TRANSMIT.txt : File of Transmitted Ions  ==================");

// The ten header lines of a TRIM.DAT with the given description line 8.
std::string TrimDatHeader(const std::string& line8, const std::string& eol = "\r\n");

// Lines joined, each followed by eol.
std::string Lines(const std::vector<std::string>& lines, const std::string& eol = "\r\n");

// Small files of each kind with values whose texts the window tests know.
std::string TransmitFileText();  // two ions, Z = 2
std::string TrimDatFileText();   // two ions
std::string WinAgileFileText();  // two points

}  // namespace zelkor::test
