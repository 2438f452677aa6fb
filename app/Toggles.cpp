#include "app/Toggles.h"

bool wireframe = false;
bool culling = true;
bool debugCamera = false;
bool celShading = false;
bool contour = true;
bool specular = true;
