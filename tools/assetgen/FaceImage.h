#pragma once

#include "Canvas.h"

// Paints the head's regions of aphelios.jpg: face, sides, back and the hair on top.
void paintHead(Canvas& canvas);
