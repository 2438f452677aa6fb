#pragma once

#include <array>

// Display toggles, flipped by the function keys in the key callback and read by the frame
// and the input step. They keep their values through a lost game's restart.
extern bool wireframe;    // F1
extern bool culling;      // F2
extern bool debugCamera;  // F3
extern bool celShading;   // F4
extern bool contour;      // F5
extern bool specular;     // F6

// F1 to F6 as every game starts: wireframe, culling, debug camera, cel shading, contour,
// specular.
extern const std::array<bool, 6> kStartToggles;

// Gives every toggle its start value; a new game calls it before its first frame.
void resetToggles();
