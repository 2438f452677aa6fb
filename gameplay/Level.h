#pragma once

#include <cstdint>
#include <glm/glm.hpp>
#include <optional>
#include <string>
#include <vector>

#include "gameplay/LevelLook.h"
#include "gameplay/Swing.h"

// A level as plain data: where the player starts, where every piece stands and how it moves.
// The game's set-up builds its scene from one, the course's as any other.

// A level's own model and image for a piece, as paths relative to the level's folder; empty
// for the game's own.
struct PieceLook {
    std::string model;  // an OBJ file
    std::string image;  // a PNG or JPEG file, for both the colour and the shine

    bool operator==(const PieceLook& other) const {
        return model == other.model && image == other.image;
    }
};

struct PlatformPiece {
    glm::vec3 at{0.0f};
    // Swings about `at` as the course's swinging platforms do; such a platform does not carry
    // the player.
    std::optional<Swing> swing;
    // A moving platform goes from `at` through these points and back again, at `speed`, and
    // carries a player standing on it. Empty for one that does not move so.
    std::vector<glm::vec3> path;
    float speed = 0.0f;  // units per second along the path
    float wait = 0.0f;   // seconds a path platform rests at each end of its path
    // Seconds of head start: a swing or a path stands at the run's start where it would
    // stand that long after it.
    float phase = 0.0f;
    PieceLook look;

    bool operator==(const PlatformPiece& other) const;
};

// A trap, a health pack or a checkpoint.
struct Piece {
    glm::vec3 at{0.0f};
    PieceLook look;

    bool operator==(const Piece& other) const { return at == other.at && look == other.look; }
};

// One piece of a level, as the editor selects it and a warning names it.
struct PieceRef {
    enum class Kind { Start, Goal, Platform, Trap, Health, Checkpoint };
    Kind kind = Kind::Start;
    int index = 0;  // within its kind's list; 0 for the start and the goal
    bool operator==(const PieceRef& other) const {
        return kind == other.kind && index == other.index;
    }
};

struct Level {
    std::string name;
    int parTime = 0;  // whole seconds: the score's par
    glm::vec3 start{0.0f};
    float facing = 0.0f;  // degrees about y; 0 faces -z
    std::vector<PlatformPiece> platforms;
    std::vector<Piece> traps;
    std::vector<Piece> healthPacks;
    // Touching one makes it the place where a loss starts over; the run's clock runs on.
    std::vector<Piece> checkpoints;
    glm::vec3 goal{0.0f};
    LevelLook look;

    bool operator==(const Level& other) const;
};

// The course as the game has always built it, from its own numbers.
Level courseLevel();

// Where the player stands at the level's time 0, as the floor and touch tests would see it
// with the game's own models. A piece of the level's own model is judged only once loaded:
// until then a platform of its own may be the one under the start, and a trap of its own is
// not known to touch it.
//
// Over a platform: within its footprint, its top no higher than its band above the start, a
// swinging platform at its origin and a moving one at its `at`.
bool startsOverPlatform(const Level& level);
// Touching a trap, which would end the run as it begins, again and again.
bool startsInTrap(const Level& level);
// Touching the goal, which wins the level as it begins.
bool startsAtGoal(const Level& level);
