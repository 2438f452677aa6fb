#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

// Smooth value noise that repeats across [0, 1) in both directions, so textures tile seamlessly.
class Noise {
public:
    Noise(std::uint32_t seed, int cells);

    // In [0, 1].
    float at(glm::vec2 p) const;
    // Several octaves added, each twice as fine and half as strong; also in [0, 1].
    float layered(glm::vec2 p, int octaves) const;

private:
    float lattice(int x, int y) const;

    int cells;
    std::vector<float> values;
};
