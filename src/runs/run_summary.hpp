#pragma once

#include "data/message.hpp"
#include "data/particle_set.hpp"
#include "data/source_kind.hpp"
#include "optics/beam_parameters.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace zelkor {

// The kinetic energy of every ion [eV]: what "Basic Analysis" and the
// "More statistics" of the energy page give for KinEnerg in eV.
struct EnergyFigures {
    double mean = 0.0;
    std::optional<double> meanError;
    double sigma = 0.0;
    std::optional<double> sigmaError;
    std::optional<double> fwhm;  // at the default interval width
};

// One row of a comparison of runs: one file's figures, or why it has none.
struct RunSummary {
    std::string path;
    // The message that stopped the load (or "The loaded file holds no ions.");
    // a row with a failure holds no figures.
    std::optional<Message> failure;
    SourceKind kind = SourceKind::None;
    int count = 0;
    std::int64_t skippedLines = 0;
    std::optional<EnergyFigures> energy;  // not for a WinAGILE point file, which has no energy
    // sigma of all ions in the first unit of each quantity: Y and Z [A], dY/dX and dZ/dX [rad].
    double sigmaY = 0.0;
    double sigmaZ = 0.0;
    double sigmaDYDX = 0.0;
    double sigmaDZDX = 0.0;
    // From the sigma matrix: eps_rms [PI.mm.mrad], beta [m], alpha.
    PlaneParameters planeY;
    PlaneParameters planeZ;

    bool ok() const { return !failure.has_value(); }
};

// The figures of a loaded set of the given kind (count must be >= 1).
void SummarizeSet(const ParticleSet& set, SourceKind kind, RunSummary& row);

// Reads the file into a set of its own, as a load command of the main window
// reads it (kind told by the extension .txt, .dat, .pnt when not given), and
// summarises it; the set is released before this returns. A file the load
// refuses, cannot open or reads no ion from gives a row with its message.
RunSummary SummarizeRun(const std::filesystem::path& path, std::optional<SourceKind> kind = std::nullopt);

}  // namespace zelkor
