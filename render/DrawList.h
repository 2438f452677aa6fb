#pragma once

#include <vector>

#include "render/ViewVolume.h"

class Model;

// The opaque models of one frame as they are drawn: only those that could put a pixel in view,
// the nearest first, so that the depth test spares the shading of what they hide. Its room is
// kept from frame to frame.
class DrawList {
public:
    void clear() { entries.clear(); }
    // Keeps the model if it, or its outline, could show in the volume seen from `eye`.
    void add(Model& model, const ViewVolume& volume, const glm::vec3& eye);
    // Nearest first; at the same distance, in the order added.
    void sortNearestFirst();

    struct Entry {
        float distance;  // squared, from the eye to the model's centre
        int order;       // as added
        Model* model;
    };
    std::vector<Entry>::const_iterator begin() const { return entries.begin(); }
    std::vector<Entry>::const_iterator end() const { return entries.end(); }

private:
    std::vector<Entry> entries;
};

// The sphere around every mesh of the model as it would be drawn now.
Sphere drawnSphere(const Model& model);
