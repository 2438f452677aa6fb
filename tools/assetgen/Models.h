#pragma once

#include "Mesh.h"

// Every model the game loads, in world units with y up; the game's front is -z.
namespace models {

Mesh aphelios();
Mesh platform();
Mesh mover();
Mesh trap();
Mesh healthPack();
Mesh orb();
Mesh checkpointCrown();
Mesh checkpointShards();
Mesh checkpointSpire();
Mesh flag();

}  // namespace models
