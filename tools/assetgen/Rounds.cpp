#include "Rounds.h"

#include <cmath>

#include <glm/gtc/constants.hpp>

namespace {

// The k-th of n points on a horizontal circle; k increases counter-clockwise seen from above.
glm::vec3 around(int k, int n, float radius, float y) {
    const float angle = glm::two_pi<float>() * static_cast<float>(k % n) / static_cast<float>(n);
    return {radius * std::cos(angle), y, -radius * std::sin(angle)};
}

float fraction(int k, int n) {
    return static_cast<float>(k) / static_cast<float>(n);
}

// Runs from 0 to 1 over the first half of a turn and back to 0 over the second.
float mirroredAround(float turns) {
    return 1.0f - std::fabs(1.0f - 2.0f * turns);
}

}  // namespace

void addPrism(Mesh& mesh, const Prism& prism, const UvRect& caps, const UvRect& sides) {
    const glm::vec3 top = prism.base + glm::vec3(0.0f, prism.height, 0.0f);
    auto capUv = [&](const glm::vec3& p) {
        const glm::vec2 offset =
            (glm::vec2(p.x, p.z) - glm::vec2(prism.base.x, prism.base.z)) / (2.0f * prism.radius);
        return caps.at(0.5f + offset.x, 0.5f + offset.y);
    };
    for (int k = 0; k < prism.sides; ++k) {
        const glm::vec3 low0 = prism.base + around(k, prism.sides, prism.radius, 0.0f);
        const glm::vec3 low1 = prism.base + around(k + 1, prism.sides, prism.radius, 0.0f);
        const glm::vec3 high0 = low0 + (top - prism.base);
        const glm::vec3 high1 = low1 + (top - prism.base);
        const float s0 = fraction(k, prism.sides);
        const float s1 = fraction(k + 1, prism.sides);
        mesh.addQuad({low0, sides.at(s0, 1.0f)}, {low1, sides.at(s1, 1.0f)},
                     {high1, sides.at(s1, 0.0f)}, {high0, sides.at(s0, 0.0f)});
        mesh.addTriangle({top, capUv(top)}, {high0, capUv(high0)}, {high1, capUv(high1)});
        mesh.addTriangle({prism.base, capUv(prism.base)}, {low1, capUv(low1)}, {low0, capUv(low0)});
    }
}

void addCrystal(Mesh& mesh, const Crystal& crystal, const UvRect& faces) {
    const float lowY = crystal.lowerTip;
    const float highY = crystal.lowerTip + crystal.body;
    const float total = highY + crystal.upperTip;
    const glm::vec3 bottom(0.0f);
    const glm::vec3 top(0.0f, total, 0.0f);
    const float lowT = 1.0f - lowY / total;
    const float highT = 1.0f - highY / total;
    for (int k = 0; k < crystal.sides; ++k) {
        const glm::vec3 low0 = around(k, crystal.sides, crystal.radius, lowY);
        const glm::vec3 low1 = around(k + 1, crystal.sides, crystal.radius, lowY);
        const glm::vec3 high0 = around(k, crystal.sides, crystal.radius, highY);
        const glm::vec3 high1 = around(k + 1, crystal.sides, crystal.radius, highY);
        mesh.addQuad({low0, faces.at(0.0f, lowT)}, {low1, faces.at(1.0f, lowT)},
                     {high1, faces.at(1.0f, highT)}, {high0, faces.at(0.0f, highT)});
        mesh.addTriangle({high0, faces.at(0.0f, highT)}, {high1, faces.at(1.0f, highT)},
                         {top, faces.at(0.5f, 0.0f)});
        mesh.addTriangle({low1, faces.at(1.0f, lowT)}, {low0, faces.at(0.0f, lowT)},
                         {bottom, faces.at(0.5f, 1.0f)});
    }
}

void addSphere(Mesh& mesh, float radius, int bands, int slices) {
    // Pole corners sit half-way between their neighbours' columns of the image.
    auto vertex = [&](int band, float slice) {
        const float polar = glm::pi<float>() * fraction(band, bands);
        const int column = static_cast<int>(slice);
        glm::vec3 normal = around(column, slices, std::sin(polar), std::cos(polar));
        if (band == 0 || band == bands) {
            // Exactly on the axis, so that every cap triangle meets at the same point.
            normal = glm::vec3(0.0f, band == 0 ? 1.0f : -1.0f, 0.0f);
        }
        const glm::vec2 uv(mirroredAround(slice / static_cast<float>(slices)),
                           fraction(band, bands));
        return Vertex{radius * normal, uv, normal};
    };
    for (int j = 0; j < slices; ++j) {
        const float here = static_cast<float>(j);
        const float next = here + 1.0f;
        const float middle = here + 0.5f;
        mesh.addSmoothTriangle(vertex(1, here), vertex(1, next), vertex(0, middle));
        for (int i = 1; i + 1 < bands; ++i) {
            const Vertex a = vertex(i + 1, here), b = vertex(i + 1, next);
            const Vertex c = vertex(i, next), d = vertex(i, here);
            mesh.addSmoothTriangle(a, b, c);
            mesh.addSmoothTriangle(a, c, d);
        }
        mesh.addSmoothTriangle(vertex(bands - 1, next), vertex(bands - 1, here),
                               vertex(bands, middle));
    }
}
