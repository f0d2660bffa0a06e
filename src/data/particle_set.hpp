#pragma once

#include "data/field_extents.hpp"
#include "data/large_block_allocator.hpp"
#include "data/particle_record.hpp"

#include <cassert>
#include <optional>
#include <vector>

namespace zelkor {

// The loaded ions, addressed 1..count; slot 0 exists in storage and is never used.
// A load allocates storage for lineCount slots (at least one) once.
struct ParticleSet {
    std::vector<ParticleRecord, LargeBlockAllocator<ParticleRecord>> records{1};
    int count = 0;
    int lineCount = 0;
    // The extents of records 1..count as a reader stored them, which size
    // Preview's columns without a pass over the set. None for a set made
    // otherwise; a pass that changes a field of the records drops them.
    std::optional<FieldExtents> readExtents;

    ParticleSet() = default;
    // Storage for a load whose counting pass gave lineCount; a count below one
    // (a file shorter than its header) still gets the unused slot 0.
    explicit ParticleSet(int lineCountOfFile);

    ParticleRecord& record(int i) {
        assert(i >= 1 && i <= count);
        return records[static_cast<std::size_t>(i)];
    }
    const ParticleRecord& record(int i) const {
        assert(i >= 1 && i <= count);
        return records[static_cast<std::size_t>(i)];
    }
    // Slots the parse may still fill: index count + 1 must exist.
    bool hasRoomForAnother() const { return static_cast<std::size_t>(count) + 1 < records.size(); }
};

// Sets accepted = 1 on records 1..count.
void AcceptAll(ParticleSet& set);
// Number of records 1..count whose accepted byte is 0.
int CountRejected(const ParticleSet& set);

}  // namespace zelkor
