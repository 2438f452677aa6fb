#pragma once

// What touching an item does to the player. Each item acts once, then hides until a loss
// brings it back.
namespace touch {

constexpr int kHealthGain = 1;
constexpr int kTrapDamage = -1;  // the signed change of health
constexpr float kSlowSeconds = 2.0f;

}  // namespace touch
