#pragma once

// A mouse movement turns the view by sensitivity x pixels x this many seconds: as far as one
// frame at 60 frames per second turns it, at every frame rate. Scaling by the frame's own
// time step would turn less the faster the frames come, for the same movement of the hand.
constexpr double kMouseLookSeconds = 1.0 / 60.0;

// Degrees of turn for a mouse movement in pixels, at a sensitivity in degrees per pixel per
// second of look time.
inline float mouseTurnDegrees(double pixels, float sensitivity) {
    return static_cast<float>(pixels * sensitivity * kMouseLookSeconds);
}
