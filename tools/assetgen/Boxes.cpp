#include "Boxes.h"

#include <array>

namespace {

// Corners counter-clockwise from outside, starting at the bottom left as seen from outside.
struct Quad {
    std::array<glm::vec3, 4> corners;
    Side side;
};

glm::vec3 corner(glm::vec2 centre, const Ring& ring, float sx, float sz) {
    return {centre.x + sx * ring.half.x, ring.y, centre.y + sz * ring.half.y};
}

void addSides(std::vector<Quad>& quads, glm::vec2 centre, const Ring& low, const Ring& high) {
    auto at = [&](const Ring& ring, float sx, float sz) { return corner(centre, ring, sx, sz); };
    quads.push_back(
        {{at(low, 1, -1), at(low, -1, -1), at(high, -1, -1), at(high, 1, -1)}, Side::Front});
    quads.push_back({{at(low, -1, 1), at(low, 1, 1), at(high, 1, 1), at(high, -1, 1)}, Side::Back});
    quads.push_back(
        {{at(low, 1, 1), at(low, 1, -1), at(high, 1, -1), at(high, 1, 1)}, Side::PlusX});
    quads.push_back(
        {{at(low, -1, -1), at(low, -1, 1), at(high, -1, 1), at(high, -1, -1)}, Side::MinusX});
}

std::vector<Quad> ringStackQuads(glm::vec2 centre, const std::vector<Ring>& rings) {
    std::vector<Quad> quads;
    for (size_t i = 0; i + 1 < rings.size(); ++i) {
        addSides(quads, centre, rings[i], rings[i + 1]);
    }
    auto at = [&](const Ring& ring, float sx, float sz) { return corner(centre, ring, sx, sz); };
    const Ring& top = rings.back();
    const Ring& bottom = rings.front();
    quads.push_back({{at(top, 1, -1), at(top, -1, -1), at(top, -1, 1), at(top, 1, 1)}, Side::Top});
    quads.push_back({{at(bottom, -1, -1), at(bottom, 1, -1), at(bottom, 1, 1), at(bottom, -1, 1)},
                     Side::Bottom});
    return quads;
}

}  // namespace

const UvRect& BoxFaces::of(Side side) const {
    switch (side) {
        case Side::Front:
            return front;
        case Side::Back:
            return back;
        case Side::PlusX:
            return plusX;
        case Side::MinusX:
            return minusX;
        case Side::Top:
            return top;
        case Side::Bottom:
            break;
    }
    return bottom;
}

void addBlock(Mesh& mesh, const Block& block, const BoxFaces& faces) {
    const glm::vec2 centre(block.base.x, block.base.z);
    const std::vector<Ring> rings = {{block.base.y, block.bottomHalf},
                                     {block.base.y + block.height, block.topHalf}};
    for (const Quad& quad : ringStackQuads(centre, rings)) {
        const UvRect& rect = faces.of(quad.side);
        const auto& c = quad.corners;
        mesh.addQuad({c[0], rect.bottomLeft()}, {c[1], rect.bottomRight()}, {c[2], rect.topRight()},
                     {c[3], rect.topLeft()});
    }
}

void addRingStack(Mesh& mesh, glm::vec2 centre, const std::vector<Ring>& rings,
                  const Projection& project) {
    for (const Quad& quad : ringStackQuads(centre, rings)) {
        const auto& c = quad.corners;
        const glm::vec3 normal = glm::normalize(glm::cross(c[2] - c[0], c[3] - c[1]));
        mesh.addQuad({c[0], project(c[0], normal)}, {c[1], project(c[1], normal)},
                     {c[2], project(c[2], normal)}, {c[3], project(c[3], normal)});
    }
}

void addPyramid(Mesh& mesh, const glm::vec3& baseCentre, float halfBase, float height,
                const UvRect& sides) {
    const glm::vec3 apex = baseCentre + glm::vec3(0.0f, height, 0.0f);
    const glm::vec2 apexUv = sides.at(0.5f, 0.0f);
    auto at = [&](float sx, float sz) {
        return baseCentre + glm::vec3(sx * halfBase, 0.0f, sz * halfBase);
    };
    // Base corners counter-clockwise seen from above.
    const std::array<glm::vec3, 4> ring = {at(1, -1), at(-1, -1), at(-1, 1), at(1, 1)};
    for (size_t i = 0; i < ring.size(); ++i) {
        const glm::vec3& next = ring[(i + 1) % ring.size()];
        mesh.addTriangle({ring[i], sides.bottomLeft()}, {next, sides.bottomRight()},
                         {apex, apexUv});
    }
    mesh.addQuad({ring[3], sides.topLeft()}, {ring[2], sides.topRight()},
                 {ring[1], sides.bottomRight()}, {ring[0], sides.bottomLeft()});
}
