#pragma once

#include <string_view>

#include "Canvas.h"

// The images of a platform set that a level may choose, by the set's name in kPlatformSets:
// its colour and its shine. Throws std::runtime_error for a name without a painter.
namespace images {

Canvas platformSetColour(std::string_view set);
Canvas platformSetShine(std::string_view set);

}  // namespace images
