#pragma once

#include <cstdint>

namespace zelkor {

// The generator's pseudo-random source: one per program run, never reseeded,
// so the first generation after start is always the same file for the same
// input and every later one continues the sequence.
class BeamRandom {
public:
    static constexpr std::uint64_t kStartState = 22695478;       // 1 * 22695477 + 1
    static constexpr std::uint64_t kMultiplier = 1486058704437;  // 346 * 2^32 + 20021
    static constexpr std::uint32_t kModulus = 10000019;

    BeamRandom() = default;
    // A source positioned anywhere in its sequence (tests, or a run resumed).
    explicit BeamRandom(std::uint64_t state) : state_(state) {}

    // Bits 32 to 62 of the next state: 0 .. 2147483647.
    std::uint32_t nextRaw() {
        state_ = state_ * kMultiplier + 1;
        return static_cast<std::uint32_t>((state_ >> 32) & 0x7FFFFFFFu);
    }

    // k / 10000019 with k = raw mod 10000019: 0 <= u < 1.
    double uniform() { return static_cast<double>(nextRaw() % kModulus) / kModulus; }

    // One standard normal variate from a pair (u1, u2): sqrt(-2 ln u1) *
    // sin(2 pi u2); a pair with u1 = 0 is drawn again.
    double normal();

    std::uint64_t state() const { return state_; }

private:
    std::uint64_t state_ = kStartState;
};

}  // namespace zelkor
