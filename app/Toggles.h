#pragma once

// Display toggles, flipped by the function keys in the key callback and read by the
// renderer, the camera and the player. They live for the whole run and are never reset.
extern bool wireframe;    // F1
extern bool culling;      // F2
extern bool debugCamera;  // F3
extern bool celShading;   // F4
extern bool contour;      // F5
extern bool specular;     // F6
