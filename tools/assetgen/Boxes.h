#pragma once

#include <functional>
#include <vector>

#include "Mesh.h"
#include "UvRect.h"

// Which way a face of a box looks; the game's front is -z.
enum class Side { Front, Back, PlusX, MinusX, Top, Bottom };

// The image rectangle for each face of a box. Side faces show their rectangle upright.
struct BoxFaces {
    UvRect front, back, plusX, minusX, top, bottom;

    static BoxFaces all(const UvRect& rect) { return {rect, rect, rect, rect, rect, rect}; }
    const UvRect& of(Side side) const;
};

// A horizontal rectangle of a box-like stack, centred on the stack's axis.
struct Ring {
    float y;
    glm::vec2 half;  // half-extents along x and z
};

// A box that may narrow towards its top, standing on base (the centre of its bottom face).
struct Block {
    glm::vec3 base;
    float height;
    glm::vec2 bottomHalf;  // half-extents along x and z
    glm::vec2 topHalf;
};

// Maps a point of a face with the given outward normal to texture coordinates.
using Projection = std::function<glm::vec2(const glm::vec3& position, const glm::vec3& normal)>;

void addBlock(Mesh& mesh, const Block& block, const BoxFaces& faces);
// A closed stack of rings (bottom to top) around a vertical axis at centre (x, z), capped
// at both ends; bevels are rings that step in.
void addRingStack(Mesh& mesh, glm::vec2 centre, const std::vector<Ring>& rings,
                  const Projection& project);
// A four-sided pyramid on a square base, apex up; each side shows the rectangle with the
// apex at the middle of its top edge.
void addPyramid(Mesh& mesh, const glm::vec3& baseCentre, float halfBase, float height,
                const UvRect& sides);
