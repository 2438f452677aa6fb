#pragma once

#include "Mesh.h"
#include "UvRect.h"

// A regular polygon extruded upwards from base (the centre of its bottom face).
struct Prism {
    glm::vec3 base;
    float radius;  // to the corners
    float height;
    int sides;
};

// A pointed crystal standing on its lower tip at the origin, axis along +y.
struct Crystal {
    int sides;
    float radius;
    float lowerTip;  // height of the lower point
    float body;      // height of the straight middle
    float upperTip;  // height of the upper point
};

// Caps show the rectangle as a disc seen from above; the sides wrap the rectangle once.
void addPrism(Mesh& mesh, const Prism& prism, const UvRect& caps, const UvRect& sides);
// Each face shows the rectangle upright, the upper tip at its top and the lower at its bottom.
void addCrystal(Mesh& mesh, const Crystal& crystal, const UvRect& faces);
// A latitude-longitude sphere with smooth normals. The image spans half the way around and
// is mirrored on the other half, so it keeps its proportions at the equator; its top row
// meets at the north pole.
void addSphere(Mesh& mesh, float radius, int bands, int slices);
