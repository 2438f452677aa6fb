#include "app/input/Toggles.h"

bool wireframe;
bool culling;
bool debugCamera;
bool celShading;
bool contour;
bool specular;

const std::array<bool, 6> kStartToggles = {false, true, false, false, true, true};

void resetToggles() {
    wireframe = kStartToggles[0];
    culling = kStartToggles[1];
    debugCamera = kStartToggles[2];
    celShading = kStartToggles[3];
    contour = kStartToggles[4];
    specular = kStartToggles[5];
}
