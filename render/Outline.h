#pragma once

#include "render/ViewVolume.h"

class Model;
class ModelRun;
class Shader;

// Draws the model with the main program. With the outline on, a slightly larger, slightly
// lowered copy is drawn first with the contour program, front faces culled, so that its
// back faces show as a rim around the model. Drawn as part of the run.
void drawModel(Model& model, const Shader& main, const Shader& contour, bool outline,
               ModelRun& run);

// The sphere grown to hold the model's outline too.
Sphere withOutline(const Sphere& sphere);
