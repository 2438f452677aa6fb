#include "app/Toggles.h"

bool wireframe;
bool culling;
bool debugCamera;
bool celShading;
bool contour;
bool specular;

void resetToggles() {
    wireframe = false;
    culling = true;
    debugCamera = false;
    celShading = false;
    contour = true;
    specular = true;
}
