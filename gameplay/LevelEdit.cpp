#include "gameplay/LevelEdit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "gameplay/Footprints.h"
#include "gameplay/LevelFile.h"

namespace {

using Kind = PieceRef::Kind;

// What a merging change set, so that a slider's frames are one step.
enum MergeWhat { kPosition, kProperties, kName, kPar, kLook, kFacing };

std::vector<Piece>* piecesOf(Level& level, Kind kind) {
    switch (kind) {
        case Kind::Trap:
            return &level.traps;
        case Kind::Health:
            return &level.healthPacks;
        case Kind::Checkpoint:
            return &level.checkpoints;
        case Kind::Start:
        case Kind::Goal:
        case Kind::Platform:
            break;
    }
    return nullptr;
}

const std::vector<Piece>* piecesOf(const Level& level, Kind kind) {
    return piecesOf(const_cast<Level&>(level), kind);
}

std::size_t countOf(const Level& level, Kind kind) {
    if (kind == Kind::Platform) {
        return level.platforms.size();
    }
    const std::vector<Piece>* pieces = piecesOf(level, kind);
    return pieces ? pieces->size() : 1;
}

std::size_t pieceCount(const Level& level) {
    return level.platforms.size() + level.traps.size() + level.healthPacks.size() +
           level.checkpoints.size();
}

bool inList(const Level& level, PieceRef piece) {
    return piece.index >= 0 && static_cast<std::size_t>(piece.index) < countOf(level, piece.kind);
}

// The piece's place in the level, which the caller has checked holds it.
glm::vec3& positionIn(Level& level, PieceRef piece) {
    switch (piece.kind) {
        case Kind::Start:
            return level.start;
        case Kind::Goal:
            return level.goal;
        case Kind::Platform:
            return level.platforms[piece.index].at;
        case Kind::Trap:
        case Kind::Health:
        case Kind::Checkpoint:
            break;
    }
    return (*piecesOf(level, piece.kind))[piece.index].at;
}

// Moves the piece, with a moving platform's path.
void shift(Level& level, PieceRef piece, glm::vec3 delta) {
    positionIn(level, piece) += delta;
    if (piece.kind == Kind::Platform) {
        for (glm::vec3& point : level.platforms[piece.index].path) {
            point += delta;
        }
    }
}

// Inserts the value into the list right after index `after`, or last when that is negative or
// past it; returns where it went.
template <typename T>
int insertAfter(std::vector<T>& list, int after, T value) {
    const std::size_t at = after >= 0 && static_cast<std::size_t>(after) < list.size()
                               ? static_cast<std::size_t>(after) + 1
                               : list.size();
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), std::move(value));
    return static_cast<int>(at);
}

template <typename T>
void swapInList(std::vector<T>& list, int first, int second) {
    std::swap(list[static_cast<std::size_t>(first)], list[static_cast<std::size_t>(second)]);
}

// The file's rules for a platform: a path or a swing, not both; a path within its cap.
bool platformFits(const PlatformPiece& platform) {
    return platform.path.size() <= kMaxPathPoints && !(platform.swing && !platform.path.empty());
}

}  // namespace

glm::vec3 snapped(glm::vec3 point, float step) {
    if (step <= 0.0f) {
        return point;
    }
    return glm::round(point / step) * step;
}

LevelEdit::LevelEdit(Level level, bool hasGoal) : state{std::move(level), hasGoal, std::nullopt} {}

bool LevelEdit::holds(PieceRef piece) const {
    return (piece.kind != Kind::Goal || state.hasGoal) && inList(state.level, piece);
}

glm::vec3 LevelEdit::positionOf(PieceRef piece) const {
    if (!holds(piece)) {
        return glm::vec3(0.0f);
    }
    Level& level = const_cast<Level&>(state.level);  // read only: one switch serves both
    return positionIn(level, piece);
}

void LevelEdit::remember(std::optional<Merge> merge) {
    ++changes;
    const bool merged = merge && merging && *merge == *merging;
    merging = merge;
    if (merged) {
        return;  // the step before this change is kept already
    }
    undone.push_back(state);
    undone.back().reordered.reset();
    lastStepMoved.reset();
    if (undone.size() > kUndoSteps) {
        undone.pop_front();
    }
    redone.clear();
}

std::optional<PieceRef> LevelEdit::place(Kind kind, glm::vec3 at, std::optional<PieceRef> after) {
    if (kind == Kind::Start || kind == Kind::Goal) {
        remember();
        positionIn(state.level, PieceRef{kind, 0}) = at;
        state.hasGoal = state.hasGoal || kind == Kind::Goal;
        return PieceRef{kind, 0};
    }
    if (pieceCount(state.level) >= kMaxLevelPieces) {
        return std::nullopt;
    }
    remember();
    const int behind = after && after->kind == kind ? after->index : -1;  // -1: last
    if (kind == Kind::Platform) {
        PlatformPiece platform;
        platform.at = at;
        return PieceRef{kind, insertAfter(state.level.platforms, behind, platform)};
    }
    return PieceRef{kind, insertAfter(*piecesOf(state.level, kind), behind, Piece{at, {}})};
}

std::size_t LevelEdit::count(Kind kind) const {
    return countOf(state.level, kind);
}

bool LevelEdit::move(PieceRef piece, glm::vec3 delta) {
    return holds(piece) && setPosition(piece, positionOf(piece) + delta);
}

bool LevelEdit::setPosition(PieceRef piece, glm::vec3 at) {
    if (!holds(piece)) {
        return false;
    }
    remember(Merge{kPosition, piece});
    shift(state.level, piece, at - positionIn(state.level, piece));
    return true;
}

std::optional<PieceRef> LevelEdit::duplicate(PieceRef piece, glm::vec3 offset) {
    if (!holds(piece) || piece.kind == Kind::Start || piece.kind == Kind::Goal ||
        pieceCount(state.level) >= kMaxLevelPieces) {
        return std::nullopt;
    }
    remember();
    PieceRef copy{piece.kind, 0};
    if (piece.kind == Kind::Platform) {
        std::vector<PlatformPiece>& platforms = state.level.platforms;
        copy.index = insertAfter(platforms, piece.index, PlatformPiece(platforms[piece.index]));
    } else {
        std::vector<Piece>& pieces = *piecesOf(state.level, piece.kind);
        copy.index = insertAfter(pieces, piece.index, Piece(pieces[piece.index]));
    }
    shift(state.level, copy, offset);
    return copy;
}

std::optional<PieceRef> LevelEdit::reorder(PieceRef piece, int by) {
    const PieceRef moved{piece.kind, piece.index + by};
    if (by == 0 || !holds(piece) || !inList(state.level, moved) || piece.kind == Kind::Start ||
        piece.kind == Kind::Goal) {
        return std::nullopt;
    }
    remember();
    undone.back().reordered = Reorder{piece, moved};
    // One place at a time, so that the pieces between keep their order.
    const int step = by > 0 ? 1 : -1;
    for (int at = piece.index; at != moved.index; at += step) {
        if (piece.kind == Kind::Platform) {
            swapInList(state.level.platforms, at, at + step);
        } else {
            swapInList(*piecesOf(state.level, piece.kind), at, at + step);
        }
    }
    return moved;
}

bool LevelEdit::remove(PieceRef piece) {
    // A level stands on at least one platform, as its file must.
    const bool lastPlatform = piece.kind == Kind::Platform && state.level.platforms.size() == 1;
    if (!holds(piece) || piece.kind == Kind::Start || lastPlatform) {
        return false;
    }
    remember();
    if (piece.kind == Kind::Goal) {
        state.hasGoal = false;
    } else if (piece.kind == Kind::Platform) {
        state.level.platforms.erase(state.level.platforms.begin() + piece.index);
    } else {
        std::vector<Piece>& pieces = *piecesOf(state.level, piece.kind);
        pieces.erase(pieces.begin() + piece.index);
    }
    return true;
}

bool LevelEdit::setPlatform(int index, const PlatformPiece& platform) {
    const PieceRef piece{Kind::Platform, index};
    if (!holds(piece) || !platformFits(platform)) {
        return false;
    }
    if (!(state.level.platforms[index] == platform)) {
        remember(Merge{kProperties, piece});
        state.level.platforms[index] = platform;
    }
    return true;
}

bool LevelEdit::setPiece(PieceRef piece, const Piece& properties) {
    if (!holds(piece) || !piecesOf(state.level, piece.kind)) {
        return false;
    }
    Piece& kept = (*piecesOf(state.level, piece.kind))[piece.index];
    if (!(kept == properties)) {
        remember(Merge{kProperties, piece});
        kept = properties;
    }
    return true;
}

void LevelEdit::setName(const std::string& name) {
    if (name != state.level.name) {
        remember(Merge{kName, {}});
        state.level.name = name;
    }
}

void LevelEdit::setPar(int seconds) {
    if (seconds != state.level.parTime) {
        remember(Merge{kPar, {}});
        state.level.parTime = seconds;
    }
}

bool LevelEdit::setFacing(float degrees) {
    if (!(std::abs(degrees) <= kMaxFacingDegrees)) {
        return false;  // past what the file may hold, or not a number
    }
    if (degrees != state.level.facing) {
        remember(Merge{kFacing, {}});
        state.level.facing = degrees;
    }
    return true;
}

void LevelEdit::setLook(const LevelLook& look) {
    if (!(look == state.level.look)) {
        remember(Merge{kLook, {}});
        state.level.look = look;
    }
}

bool LevelEdit::undo() {
    if (!stepBetween(undone, redone)) {
        return false;
    }
    // The state taken back was the one before the step, which keeps the reorder made from it.
    if (const std::optional<Reorder>& made = state.reordered) {
        lastStepMoved = Reorder{made->to, made->from};
    }
    return true;
}

bool LevelEdit::redo() {
    if (!stepBetween(redone, undone)) {
        return false;
    }
    lastStepMoved = undone.back().reordered;
    return true;
}

PieceRef LevelEdit::afterStep(PieceRef piece) const {
    if (!lastStepMoved || piece.kind != lastStepMoved->from.kind) {
        return piece;
    }
    const int from = lastStepMoved->from.index;
    const int to = lastStepMoved->to.index;
    if (piece.index == from) {
        return lastStepMoved->to;
    }
    // The pieces passed each moved a place the other way.
    if (from < to && piece.index > from && piece.index <= to) {
        return PieceRef{piece.kind, piece.index - 1};
    }
    if (to < from && piece.index >= to && piece.index < from) {
        return PieceRef{piece.kind, piece.index + 1};
    }
    return piece;
}

// Takes the last state of `from` as the level's, keeping the level's on `to`.
bool LevelEdit::stepBetween(std::deque<State>& from, std::deque<State>& to) {
    if (from.empty()) {
        return false;
    }
    to.push_back(std::move(state));
    state = std::move(from.back());
    from.pop_back();
    merging.reset();
    lastStepMoved.reset();
    ++changes;
    return true;
}

namespace {

// Half-sizes of the boxes a click finds, in units: the footprints the rules use, and the
// heights the game's models are drawn to, so that a click anywhere on a piece finds it.
const glm::vec3 kPlayerHalf(footprint::kPlayer, 0.9f, footprint::kPlayer);
const glm::vec3 kTrapHalf(footprint::kTrap);
const glm::vec3 kItemHalf(0.5f);

// A box of that half-width, standing from `low` below the place to `high` above it.
PieceBox standing(glm::vec3 at, float halfWidth, float low, float high) {
    return PieceBox{at + glm::vec3(-halfWidth, -low, -halfWidth),
                    at + glm::vec3(halfWidth, high, halfWidth)};
}

}  // namespace

PieceBox boxOf(Kind kind, glm::vec3 at) {
    switch (kind) {
        case Kind::Platform:
            return standing(at, footprint::kPlatform, footprint::kPlatformDepth, 0.0f);
        case Kind::Start: {
            const glm::vec3 centre = at + glm::vec3(0.0f, kPlayerHalf.y, 0.0f);
            return PieceBox{centre - kPlayerHalf, centre + kPlayerHalf};
        }
        case Kind::Trap:
            return PieceBox{at - kTrapHalf, at + kTrapHalf};
        case Kind::Goal:
            return standing(at, footprint::kGoal, 0.0f, footprint::kGoalHeight);
        case Kind::Checkpoint:
            return standing(at, footprint::kCheckpoint, 0.0f, footprint::kCheckpointHeight);
        case Kind::Health:
            break;
    }
    return PieceBox{at - kItemHalf, at + kItemHalf};
}

std::optional<PieceRef> pieceAlong(const LevelEdit& edit, glm::vec3 origin, glm::vec3 direction) {
    const Level& level = edit.level();
    std::optional<PieceRef> found;
    float nearest = std::numeric_limits<float>::max();
    const auto consider = [&](Kind kind, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            const PieceRef piece{kind, static_cast<int>(i)};
            if (!edit.holds(piece)) {
                continue;
            }
            const std::optional<float> along =
                entryAlong(boxOf(kind, edit.positionOf(piece)), origin, direction);
            // The platforms come first: a piece standing on one is found before it.
            if (along && *along <= nearest) {
                nearest = *along;
                found = piece;
            }
        }
    };
    consider(Kind::Platform, level.platforms.size());
    consider(Kind::Trap, level.traps.size());
    consider(Kind::Health, level.healthPacks.size());
    consider(Kind::Checkpoint, level.checkpoints.size());
    consider(Kind::Goal, 1);
    consider(Kind::Start, 1);
    return found;
}
