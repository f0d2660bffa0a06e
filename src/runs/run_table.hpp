#pragma once

#include "data/message.hpp"
#include "runs/run_summary.hpp"

#include <filesystem>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelkor {

// The columns of a comparison of runs, in order. Units: energy eV, Y and Z
// Angstrom, dY/dX and dZ/dX rad, eps_rms PI.mm.mrad, beta m.
struct RunColumn {
    std::string_view name;  // "energy_mean", "sigma_y", "eps_rms_z" ...
    std::string_view unit;  // "eV", "A", "rad", "PI.mm.mrad", "m", or empty
};
std::span<const RunColumn> RunSummaryColumns();

// A figure the row has but that has no value ("undefined": no half-maximum
// crossing, one ion for the error of sigma, no ellipse for beta and alpha).
struct Undefined {};
// monostate: nothing to show (a row whose file could not be read, the
// energy of a point file, the message of a row that has none).
using RunCell = std::variant<std::monostate, Undefined, std::string, std::int64_t, double>;

// One cell per column.
std::vector<RunCell> RunSummaryCells(const RunSummary& row);

// A cell as the Text format and the Compare Runs window show it: numbers as
// "%lE", "undefined", "-" for nothing.
std::string RunCellText(const RunCell& cell);

enum class RunTableFormat { Text, Csv, Json };
std::optional<RunTableFormat> RunTableFormatFromWord(std::string_view word);

// The rows as text: Text aligns the columns under a line of names and a line
// of units, numbers as "%lE"; Csv (RFC 4180 quoting) and Json (an array of
// objects, null for no value) give every number to its last bit ("%.17g").
std::string RunSummaryTable(const std::vector<RunSummary>& rows, RunTableFormat format);

// Writes the rows as Csv to the file, whole or not at all; the message to show
// when that failed ("Cannot save a file!" when it cannot be opened).
std::optional<Message> SaveRunSummaryCsv(const std::filesystem::path& path, const std::vector<RunSummary>& rows);

}  // namespace zelkor
