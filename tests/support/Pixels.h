#pragma once

#include <array>

// One pixel of the frame just drawn (the swap keeps the back buffer), as 0 to 255 per
// channel; y counts from the bottom, as GL does.
std::array<int, 3> pixelAt(int x, int y);

// Whether the pixel shows the default sky colour (0.2, 0.2, 0.3), to within a step or two.
bool isSky(const std::array<int, 3>& pixel);
