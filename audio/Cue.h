#pragma once

// The game's sounds, each a file under the sounds folder.
enum class Sound {
    Step,
    Jump,
    Land,
    HealthHum,
    HealthPickup,
    TrapHit,
    Slowed,
    GoalChime,
    Lose,
    Win,
    Click,
    Music,
    Count
};

// A one-shot effect that something the player did sets off: the sound, heard on the listener
// or from the place where it happened (an item's, for one that was touched).
struct Cue {
    Sound sound;
    bool fromPlace;
};
