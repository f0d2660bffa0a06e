#include "load_invariants.hpp"

#include "state/load_file.hpp"
#include "data/read_source.hpp"
#include "io/file_commands.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace zelkor::fuzz {
namespace {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

bool Finite(const ParticleRecord& r) {
    return std::isfinite(r.energy) && std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.z) &&
           std::isfinite(r.cos_x) && std::isfinite(r.cos_y) && std::isfinite(r.cos_z) && std::isfinite(r.momentum);
}

// Printing with fewer digits may round a value next to the top of the double
// range past it; such values are legal input but cannot round-trip.
bool FarFromOverflow(const ParticleRecord& r) {
    for (const double v : {r.energy, r.x, r.y, r.z, r.cos_x, r.cos_y, r.cos_z, r.momentum})
        if (std::fabs(v) > 1e300) return false;
    return true;
}

void CheckSet(const ParticleSet& set) {
    Require(set.count >= 0, "count is negative");
    Require(set.records.size() == static_cast<std::size_t>(set.count) + 1, "storage is not count + 1");
    Require(set.count + 1 <= std::max(set.lineCount, 1), "count beyond lineCount");
    for (int i = 1; i <= set.count; ++i) {
        Require(set.record(i).accepted == 1, "record not accepted");
        Require(Finite(set.record(i)), "record field not finite");
    }
}

std::filesystem::path ScratchFile() {
    const char* dir = std::getenv("TMPDIR");
    return std::filesystem::path(dir != nullptr ? dir : "/tmp") / ("zelkor-fuzz-" + std::to_string(::getpid()));
}

}  // namespace

void LoadAndCheck(SourceKind kind, const std::uint8_t* data, std::size_t size) {
    AppState state;
    ParticleSet set;
    const ReadSource source = ReadSource::InMemory(std::string(reinterpret_cast<const char*>(data), size));
    const LoadReport report = LoadParticleSource(kind, source, state, set);
    if (report.outcome != LoadOutcome::Loaded) {
        Require(set.count == 0, "a rejected load changed the set");
        return;
    }
    CheckSet(set);
    if (set.count == 0) return;
    for (int i = 1; i <= set.count; ++i)
        if (!FarFromOverflow(set.record(i))) return;

    const std::filesystem::path scratch = ScratchFile();
    Require(!SaveFilteredFile(scratch, set, state), "saving the loaded set failed");
    AppState again;
    ParticleSet reloaded;
    const LoadReport second = LoadParticleFile(kind, scratch, again, reloaded);
    std::filesystem::remove(scratch);
    Require(second.outcome == LoadOutcome::Loaded && second.messages.empty(), "the saved file did not load cleanly");
    Require(reloaded.count == set.count, "save and reload changed the count");
    CheckSet(reloaded);
}

}  // namespace zelkor::fuzz
