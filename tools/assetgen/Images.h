#pragma once

#include "Canvas.h"

// Every image the game loads, and the desktop's icon for it, painted from code.
namespace images {

Canvas aphelios();
Canvas health();
Canvas platform();
Canvas platformSpecular();
Canvas flareGreen();
Canvas flareBase();
Canvas flareBaseSpecular();
Canvas trap();
Canvas flag();
Canvas mover();
Canvas moverSpecular();
Canvas icon();

}  // namespace images
