#pragma once

#include <string>
#include <vector>

// The controls banner, one entry per printed line. It is fixed text: rebinding the
// movement keys in the settings does not change it.
std::vector<std::string> controlsBanner();

void printControls();
