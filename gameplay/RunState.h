#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "gameplay/Collision.h"
#include "gameplay/GameObject.h"

// A piece the player can touch, what goes with it in the scene, and what this run did to it.
struct Item {
    enum class Kind { HealthPack, Trap, Checkpoint, Goal };
    Kind kind;
    GameObject* object;
    std::array<Model*, 2> orbs{};  // a health pack's, circling it
    int light = -1;                // its place in the game's lights, or -1 for none
    std::size_t piece = 0;         // its place among the level's pieces of its kind
    bool taken = false;            // a health pack or trap touched, gone until a loss
    bool reached = false;          // a checkpoint, in this run
    float seeThrough = 0.0f;       // a checkpoint's flag: 0 as drawn, 1 faded while in the way
};

// What one run of the level changes as it plays, beside the player: the scene's models only
// show it. The scene's lists are the game's; these point into them.
struct RunState {
    // The run's start: every item back, no checkpoint reached, no swing's origin noted yet.
    // The platforms' count sizes the origins, so that a run of the same level allocates nothing.
    void startOver(std::size_t platformCount);
    // A loss: what was taken comes back; the checkpoints reached stay so.
    void putItemsBack();
    bool checkpointReached() const;

    std::vector<Item> items;  // in the order the set-up made them; GameObject::item indexes here
    std::array<Model*, 2> playerOrbs{};  // circling the player while its health is above 1
    std::array<Model*, 3> goalRings{};   // the goal's three rings; the first one is touched
    // By the platform's place: the coordinate a swinging one swings about, noted on its first
    // step in the run.
    std::vector<std::optional<float>> swingOrigins;
    int standingOn = -1;      // the platform under the player, by the step's floor test
    float lossHeight = 0.0f;  // the level's: falling this low loses
    float noFloor = 0.0f;     // the floor's height where no platform is under the player
    // The game's clock starts at its first frame, not at each run's.
    bool firstFrame = true;
    float startedAt = 0.0f;  // the clock at the first frame
    // What the follow camera keeps out of in the frame: the platforms and the pieces, where they
    // stand. Kept from frame to frame, so that a frame allocates nothing.
    std::vector<Box> cameraBoxes;
    // The sprint as a toggle, switched on by a press; it stays across runs, as a held key would.
    bool sprintLatched = false;
};
