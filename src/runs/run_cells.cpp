#include "runs/run_table.hpp"

#include <array>

namespace zelkor {
namespace {

constexpr std::array<RunColumn, 20> kColumns = {{
    {"file", ""},
    {"kind", ""},
    {"count", ""},
    {"skipped", ""},
    {"energy_mean", "eV"},
    {"energy_mean_error", "eV"},
    {"energy_sigma", "eV"},
    {"energy_sigma_error", "eV"},
    {"energy_fwhm", "eV"},
    {"sigma_y", "A"},
    {"sigma_z", "A"},
    {"sigma_dydx", "rad"},
    {"sigma_dzdx", "rad"},
    {"eps_rms_y", "PI.mm.mrad"},
    {"beta_y", "m"},
    {"alpha_y", ""},
    {"eps_rms_z", "PI.mm.mrad"},
    {"beta_z", "m"},
    {"alpha_z", ""},
    {"message", ""},
}};

RunCell Optional(const std::optional<double>& value) {
    if (value) return *value;
    return Undefined{};
}

void AppendEnergy(const std::optional<EnergyFigures>& energy, std::vector<RunCell>& cells) {
    if (!energy) {
        cells.insert(cells.end(), 5, std::monostate{});
        return;
    }
    cells.insert(cells.end(), {energy->mean, Optional(energy->meanError), energy->sigma, Optional(energy->sigmaError),
                               Optional(energy->fwhm)});
}

void AppendPlane(const PlaneParameters& plane, std::vector<RunCell>& cells) {
    cells.push_back(plane.emittance);
    if (plane.defined) {
        cells.insert(cells.end(), {plane.beta, plane.alpha});
    } else {
        cells.insert(cells.end(), 2, Undefined{});
    }
}

}  // namespace

std::span<const RunColumn> RunSummaryColumns() { return kColumns; }

std::vector<RunCell> RunSummaryCells(const RunSummary& row) {
    std::vector<RunCell> cells;
    cells.reserve(kColumns.size());
    cells.push_back(row.path);
    if (row.kind == SourceKind::None) {
        cells.push_back(std::monostate{});
    } else {
        cells.push_back(std::string(SourceKindName(row.kind)));
    }
    if (!row.ok()) {
        cells.resize(kColumns.size() - 1);
        cells.push_back(row.failure->text);
        return cells;
    }
    cells.insert(cells.end(), {std::int64_t{row.count}, row.skippedLines});
    AppendEnergy(row.energy, cells);
    cells.insert(cells.end(), {row.sigmaY, row.sigmaZ, row.sigmaDYDX, row.sigmaDZDX});
    AppendPlane(row.planeY, cells);
    AppendPlane(row.planeZ, cells);
    cells.push_back(std::monostate{});
    return cells;
}

std::optional<RunTableFormat> RunTableFormatFromWord(std::string_view word) {
    if (word == "text") return RunTableFormat::Text;
    if (word == "csv") return RunTableFormat::Csv;
    if (word == "json") return RunTableFormat::Json;
    return std::nullopt;
}

}  // namespace zelkor
