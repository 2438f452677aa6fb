#pragma once

#include <imgui.h>

// A run's time at a checkpoint against the best run's there, as the HUD and the results show
// it: ahead (or level) in green, behind in red.
inline ImVec4 splitColour(float seconds, float best) {
    const ImVec4 ahead(0.4f, 0.9f, 0.4f, 1.0f);
    const ImVec4 behind(1.0f, 0.45f, 0.35f, 1.0f);
    return seconds <= best ? ahead : behind;
}
