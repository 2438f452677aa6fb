#pragma once

// The game's own models as the touch and floor tests see them once loaded: the half-width of
// each square footprint, from the models' vertices, and the platform's band. A level file is
// checked with them before any model is loaded; a test holds them to the models. The heights
// are the models' as drawn, which a click in the editor finds.
namespace footprint {

constexpr float kPlayer = 0.37f;  // units
// The platform and the mover alike; its band reaches this far above and below its top.
constexpr float kPlatform = 3.0f;      // units
constexpr float kPlatformBand = 1.0f;  // units
constexpr float kTrap = 0.5f;          // units
constexpr float kHealth = 0.28f;       // units
constexpr float kCheckpoint = 0.7f;    // units: the flag
constexpr float kGoal = 0.712023f;     // units: the ring that wins when touched

constexpr float kPlatformDepth = 2.0f;     // units below its top
constexpr float kGoalHeight = 1.55f;       // units above its place: the rings' pole
constexpr float kCheckpointHeight = 2.2f;  // units above its place: the flag's pole

}  // namespace footprint
