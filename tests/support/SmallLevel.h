#pragma once

// Three platforms edge to edge along -z, a checkpoint on the middle one, the goal on the last:
// walking straight ahead wins. Written into the player's own levels, as a player would.
inline const char* const kSmallLevel = R"(format = 1
name = "Small steps"
par_time = 20
[start]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, -6.0]
[[platform]]
at = [0.0, -0.5, -12.0]
[[checkpoint]]
at = [0.0, -0.5, -6.0]
[goal]
at = [0.0, -0.45, -12.0]
)";
