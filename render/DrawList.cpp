#include "render/DrawList.h"

#include <algorithm>

#include "render/Model.h"
#include "render/Outline.h"

namespace {

// The smallest sphere around both.
Sphere enclosing(const Sphere& a, const Sphere& b) {
    const glm::vec3 between = b.centre - a.centre;
    const float apart = glm::length(between);
    if (apart + b.radius <= a.radius) {
        return a;
    }
    if (apart + a.radius <= b.radius) {
        return b;
    }
    const float radius = (apart + a.radius + b.radius) * 0.5f;
    return Sphere{a.centre + between * ((radius - a.radius) / apart), radius};
}

}  // namespace

Sphere drawnSphere(const Model& model) {
    Sphere sphere;
    bool first = true;
    for (const auto& mesh : model.meshes) {
        const Sphere own =
            placedSphere(mesh->modelMatrixAt(mesh->position), mesh->lowCorner, mesh->highCorner);
        sphere = first ? own : enclosing(sphere, own);
        first = false;
    }
    return sphere;
}

void DrawList::add(Model& model, const ViewVolume& volume, const glm::vec3& eye) {
    const Sphere sphere = withOutline(drawnSphere(model));
    if (!reachesInto(volume, sphere)) {
        return;
    }
    const glm::vec3 away = sphere.centre - eye;
    entries.push_back(Entry{glm::dot(away, away), static_cast<int>(entries.size()), &model});
}

void DrawList::sortNearestFirst() {
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.order < b.order;
    });
}
