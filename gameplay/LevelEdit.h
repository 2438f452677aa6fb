#pragma once

#include <cstddef>
#include <deque>
#include <glm/glm.hpp>
#include <optional>
#include <string>

#include "gameplay/Collision.h"
#include "gameplay/Level.h"

// A level being made, as plain data: its pieces and the edits made to them, each one undone and
// done again in turn. Every edit keeps the level within what its file may hold; one that would
// not is refused and changes nothing.

// Steps of the snap: a whole unit, half a unit, or none.
constexpr float kSnapWhole = 1.0f;
constexpr float kSnapHalf = 0.5f;
constexpr float kSnapOff = 0.0f;

// Pieces as a click finds them: boxes about their places, in units. A platform's top is at
// its place; the start is the player's feet.
using PieceBox = Box;
PieceBox boxOf(PieceRef::Kind kind, glm::vec3 at);

// The point on the grid of that step nearest to `point`; the point itself when the step is 0.
glm::vec3 snapped(glm::vec3 point, float step);

class LevelEdit;

// The piece whose box the ray from `origin` along `direction` meets first, if any.
std::optional<PieceRef> pieceAlong(const LevelEdit& edit, glm::vec3 origin, glm::vec3 direction);

class LevelEdit {
public:
    // Edits that can be undone, the oldest forgotten first.
    static constexpr std::size_t kUndoSteps = 200;

    // A level without a goal is one being made: the goal is a piece to place yet.
    explicit LevelEdit(Level level, bool hasGoal = true);

    const Level& level() const { return state.level; }
    // How many pieces of the kind the level holds: one start, and one goal.
    std::size_t count(PieceRef::Kind kind) const;
    bool hasGoal() const { return state.hasGoal; }
    // Changes with every edit, undo and redo, so that what is built from the level knows when
    // to build it again.
    std::size_t revision() const { return changes; }

    // Whether the piece is in the level; the goal is not while there is none.
    bool holds(PieceRef piece) const;
    glm::vec3 positionOf(PieceRef piece) const;

    // A new piece of the kind at `at`: the start and the goal, of which there is one each,
    // move there instead. Nothing when the level holds as many pieces as it may. It goes right
    // after `after` when that is a piece of its kind, else last: pieces are met in their order
    // (the autopilot's way, the checkpoints' count), and a maker adds them where the way is.
    std::optional<PieceRef> place(PieceRef::Kind kind, glm::vec3 at,
                                  std::optional<PieceRef> after = std::nullopt);
    // Moves the piece by `delta`, with a moving platform's path; a swing swings about its new
    // place.
    bool move(PieceRef piece, glm::vec3 delta);
    bool setPosition(PieceRef piece, glm::vec3 at);
    // A copy of the piece, `offset` from it, right after it; not of the start nor of the goal.
    std::optional<PieceRef> duplicate(PieceRef piece, glm::vec3 offset);
    // The piece `by` places earlier (negative) or later in its kind's order, as far as the
    // list goes: where it now stands, or nothing when it cannot move so.
    std::optional<PieceRef> reorder(PieceRef piece, int by);
    // The start cannot go, nor the last platform; the goal can, leaving the level without one.
    bool remove(PieceRef piece);
    // A platform's swing, path, speed and own files, or another piece's own files: `at` too.
    bool setPlatform(int index, const PlatformPiece& platform);
    bool setPiece(PieceRef piece, const Piece& properties);
    void setName(const std::string& name);
    void setPar(int seconds);
    // The way the player faces at the start, in degrees about y.
    bool setFacing(float degrees);
    // The level's sky, light, platform images and music.
    void setLook(const LevelLook& look);

    // Consecutive changes of one property (a slider dragged, a piece dragged) are one step
    // until this is called: the editor calls it as a gesture ends.
    void endGesture() { merging.reset(); }

    // Each false when there is nothing to undo, or to redo.
    bool undo();
    bool redo();
    // Where a piece held before the last undo or redo stands now: a step that moved a piece in
    // its kind's order moves it, and the pieces it passed, back or on again.
    PieceRef afterStep(PieceRef piece) const;

private:
    // A piece moved in its kind's order, from one place to another.
    struct Reorder {
        PieceRef from;
        PieceRef to;
    };
    struct State {
        Level level;
        bool hasGoal = true;
        // Kept with the state before a step: the reorder that the step made, if it made one.
        std::optional<Reorder> reordered;
    };
    // What a step changed, for merging the next change into it.
    struct Merge {
        int what;
        PieceRef piece;
        bool operator==(const Merge& other) const {
            return what == other.what && piece == other.piece;
        }
    };

    // Keeps the state before an edit as a step to undo; a new edit forgets what was undone.
    void remember(std::optional<Merge> merge = std::nullopt);
    bool stepBetween(std::deque<State>& from, std::deque<State>& to);

    State state;
    std::deque<State> undone;
    std::deque<State> redone;
    std::optional<Merge> merging;
    std::optional<Reorder> lastStepMoved;  // by the last undo or redo
    std::size_t changes = 0;
};
