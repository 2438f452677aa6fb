#pragma once

#include <array>
#include <vector>

// One pixel of the frame just drawn (the swap keeps the back buffer), as 0 to 255 per
// channel; y counts from the bottom, as GL does.
std::array<int, 3> pixelAt(int x, int y);

// The whole frame just drawn, width by height, three bytes a pixel from the bottom row up.
using Frame = std::vector<unsigned char>;
Frame framePixels(int width, int height);

// Whether the pixel shows the default sky colour (0.2, 0.2, 0.3), to within a step or two.
bool isSky(const std::array<int, 3>& pixel);
