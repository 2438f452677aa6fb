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

// A full tilt of the right stick turns as fast as the mouse moving this many pixels a second
// (30 pixels a frame at 60 frames per second), so that the sensitivity and the inverted Y of
// the mouse hold for the stick too: 150 degrees a second at the default sensitivity of 5.
constexpr double kStickPixelsPerSecond = 1800.0;

// The frame's turn in mouse pixels: the mouse's movement and the stick's tilt (-1 to 1) held
// over the frame's time step, so that the stick turns as far in a second at any frame rate.
inline double lookPixels(double mousePixels, float stickTilt, float deltaTime) {
    return mousePixels + stickTilt * kStickPixelsPerSecond * deltaTime;
}
