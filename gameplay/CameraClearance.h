#pragma once

#include <glm/glm.hpp>
#include <optional>
#include <vector>

#include "gameplay/Collision.h"

// The follow camera's room among the level's boxes, on plain values.

// How far the camera keeps from a face it comes forward to, and above a top it would sink
// into: past the corners of the near plane at the game's field of view.
constexpr float kCameraClearance = 0.2f;  // units

// How fast the camera goes back out once the way behind it is clear.
constexpr float kCameraEaseOutRate = 6.0f;  // units per second

// How long a flag or the ghost takes to fade to see-through as it comes to hide the player,
// and to turn back once it no longer does: a sudden change would flicker as the player
// passes.
constexpr float kSeeThroughFadeSeconds = 0.25f;

// The share (0 to 1) of the way from `lookedAt` to `wanted` that is clear of every box, less
// the clearance before the first box in the way: 1 when nothing stands in it. A box that holds
// `lookedAt` itself is not in the way, since no place along the way would see out of it.
float clearShare(glm::vec3 lookedAt, glm::vec3 wanted, const std::vector<Box>& boxes);

// The height a camera at `place` keeps: the clearance above the top of a box whose footprint
// it stands over, when it is inside that box or less than the clearance above it; its own
// height otherwise, to the bit.
float heightAboveTops(glm::vec3 place, const std::vector<Box>& boxes);

// Whether the box could matter to a camera placed on the way from `lookedAt` to `wanted`: it
// reaches, with the clearance all round, into the box around that way. Leaving out those that
// cannot changes neither clearShare nor heightAboveTops on that way, and spares a level of
// 1,000 pieces 1,000 tests a frame.
bool nearTheWay(const Box& box, glm::vec3 lookedAt, glm::vec3 wanted);

// Whether the box stands between the two points: the segment joining them meets it.
bool standsBetween(const Box& box, glm::vec3 from, glm::vec3 to);

// A fade (0 as drawn, 1 fully see-through) one frame of `deltaTime` later: toward 1 while the
// piece is in the way, back toward 0 once it is not.
float fadeStep(float fade, bool inTheWay, float deltaTime);

// Where the follow camera stands this frame, from where it wants to be and the distance from
// `lookedAt` it was held at in the frame before (none when it stood where it wanted): it comes
// forward at once to what is clear, and goes back out at kCameraEaseOutRate. `held` becomes
// this frame's. Where nothing is in the way and it is back out, the result is `wanted`.
glm::vec3 clearPlace(glm::vec3 lookedAt, glm::vec3 wanted, const std::vector<Box>& boxes,
                     float deltaTime, std::optional<float>& held);
