#pragma once

#include <cstdint>

// A small fixed-seed generator (xorshift32), so that every run paints the same pixels.
class Random {
public:
    explicit Random(std::uint32_t seed) : state(seed == 0 ? 1u : seed) {}

    // Uniform in [0, 1).
    float next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<float>(state >> 8) / static_cast<float>(1u << 24);
    }

private:
    std::uint32_t state;
};
