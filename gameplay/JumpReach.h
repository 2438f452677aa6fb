#pragma once

// How far a jump carries the player: the horizontal distance its centre covers from the step
// it leaves the ground to the last step a platform whose top is `rise` above the take-off
// (below it when negative) still catches it. A platform catches a player whose feet are
// within its band of its top, so a jump lands up to one band above its peak. 0 when the top
// is beyond that. Walking or sprinting, straight ahead, at the game's gravity, by the
// player's own rules stepped at every pace a record run may take; the shortest of them.
float jumpReach(float rise, bool sprint);
