#include "Noise.h"

#include "Random.h"

Noise::Noise(std::uint32_t seed, int cells) : cells(cells) {
    Random random(seed);
    values.resize(static_cast<size_t>(cells * cells));
    for (float& value : values) {
        value = random.next();
    }
}

float Noise::at(glm::vec2 p) const {
    const glm::vec2 scaled = p * static_cast<float>(cells);
    const glm::vec2 cell = glm::floor(scaled);
    const glm::vec2 f = glm::smoothstep(0.0f, 1.0f, scaled - cell);
    const int x = static_cast<int>(cell.x);
    const int y = static_cast<int>(cell.y);
    const float top = glm::mix(lattice(x, y), lattice(x + 1, y), f.x);
    const float bottom = glm::mix(lattice(x, y + 1), lattice(x + 1, y + 1), f.x);
    return glm::mix(top, bottom, f.y);
}

float Noise::layered(glm::vec2 p, int octaves) const {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * at(p * static_cast<float>(1 << i));
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}

float Noise::lattice(int x, int y) const {
    const int wx = ((x % cells) + cells) % cells;
    const int wy = ((y % cells) + cells) % cells;
    return values[static_cast<size_t>(wy * cells + wx)];
}
