#pragma once

// Angles are kept in degrees and turned into radians with this single-precision factor.
constexpr float kDegreesToRadians = 0.017453292f;
