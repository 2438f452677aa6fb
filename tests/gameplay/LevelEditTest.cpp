#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gameplay/LevelEdit.h"
#include "gameplay/LevelFile.h"

namespace {

using Kind = PieceRef::Kind;

// A start on one platform and a goal: the least a level is.
Level smallLevel() {
    Level level;
    level.name = "Small";
    level.parTime = 20;
    level.start = glm::vec3(0.0f, 0.0f, 0.0f);
    PlatformPiece platform;
    platform.at = glm::vec3(0.0f, -0.5f, 0.0f);
    level.platforms.push_back(platform);
    level.goal = glm::vec3(0.0f, -0.45f, -8.0f);
    return level;
}

TEST(LevelEditTest, SnapsToWholeAndHalfUnitsOrNot) {
    const glm::vec3 point(1.26f, -0.74f, -2.5f);
    EXPECT_EQ(snapped(point, kSnapWhole), glm::vec3(1.0f, -1.0f, -3.0f));
    EXPECT_EQ(snapped(point, kSnapHalf), glm::vec3(1.5f, -0.5f, -2.5f));
    EXPECT_EQ(snapped(point, kSnapOff), point);
}

// 150 edits of all sorts undone to the level as it was, and done again to the same end; a new
// edit after an undo forgets what was undone.
TEST(LevelEditTest, UndoesAndRedoes150Steps) {
    const Level original = smallLevel();
    LevelEdit edit(original);
    for (int i = 0; i < 150; ++i) {
        const float x = static_cast<float>(i);
        switch (i % 3) {
            case 0:
                ASSERT_TRUE(edit.place(Kind::Trap, glm::vec3(x, 0.0f, -1.0f)));
                break;
            case 1:
                ASSERT_TRUE(edit.move(PieceRef{Kind::Platform, 0}, glm::vec3(0.0f, 0.0f, -1.0f)));
                edit.endGesture();
                break;
            default:
                edit.setPar(100 + i);
        }
    }
    const Level edited = edit.level();
    ASSERT_EQ(edited.traps.size(), 50u);
    EXPECT_EQ(edited.platforms[0].at, glm::vec3(0.0f, -0.5f, -50.0f));
    int undos = 0;
    while (edit.undo()) {
        ++undos;
    }
    EXPECT_EQ(undos, 150);
    EXPECT_EQ(edit.level(), original);
    while (edit.redo()) {
    }
    EXPECT_EQ(edit.level(), edited);

    edit.undo();
    edit.undo();
    edit.setName("Other");
    EXPECT_FALSE(edit.redo());
    EXPECT_EQ(edit.level().name, "Other");
}

// A slider dragged over many frames, or a piece dragged, is one step to undo.
TEST(LevelEditTest, AGestureIsOneStep) {
    LevelEdit edit(smallLevel());
    const std::size_t before = edit.revision();
    for (int frame = 1; frame <= 10; ++frame) {
        edit.setPosition(PieceRef{Kind::Start, 0}, glm::vec3(0.1f * frame, 0.0f, 0.0f));
    }
    EXPECT_GT(edit.revision(), before);
    edit.endGesture();
    edit.setPosition(PieceRef{Kind::Start, 0}, glm::vec3(5.0f, 0.0f, 0.0f));
    edit.undo();
    EXPECT_EQ(edit.level().start, glm::vec3(1.0f, 0.0f, 0.0f));
    edit.undo();
    EXPECT_EQ(edit.level().start, glm::vec3(0.0f));
    EXPECT_FALSE(edit.undo());
}

class EachPieceKind : public ::testing::TestWithParam<Kind> {};

// Each kind that the level holds many of: placed, copied beside itself with its own files, and
// removed, leaving the others where they were.
TEST_P(EachPieceKind, IsPlacedDuplicatedAndRemoved) {
    LevelEdit edit(smallLevel());
    const std::optional<PieceRef> placed = edit.place(GetParam(), glm::vec3(2.0f, 0.0f, -3.0f));
    ASSERT_TRUE(placed);
    const std::optional<PieceRef> copy = edit.duplicate(*placed, glm::vec3(1.0f, 0.0f, 0.0f));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->kind, GetParam());
    EXPECT_NE(copy->index, placed->index);
    EXPECT_EQ(edit.positionOf(*copy), glm::vec3(3.0f, 0.0f, -3.0f));
    EXPECT_EQ(edit.positionOf(*placed), glm::vec3(2.0f, 0.0f, -3.0f));

    EXPECT_TRUE(edit.remove(*placed));
    EXPECT_FALSE(edit.holds(*copy));  // the copy took the removed one's place in the list
    EXPECT_EQ(edit.positionOf(*placed), glm::vec3(3.0f, 0.0f, -3.0f));
    edit.undo();
    edit.undo();
    EXPECT_TRUE(edit.holds(*placed));
    EXPECT_FALSE(edit.holds(*copy));
}

std::string kindName(const ::testing::TestParamInfo<Kind>& kind) {
    const char* const names[] = {"Start", "Goal", "Platform", "Trap", "Health", "Checkpoint"};
    return names[static_cast<int>(kind.param)];
}

INSTANTIATE_TEST_SUITE_P(Kinds, EachPieceKind,
                         ::testing::Values(Kind::Platform, Kind::Trap, Kind::Health,
                                           Kind::Checkpoint),
                         kindName);

// Pieces are met in their order: a new piece, or a copy, goes right after the one selected of
// its kind (last when none of its kind is), and a piece moves earlier and later a place at a
// time, within its list, each step undone as any other.
TEST(LevelEditTest, NewPiecesGoAfterTheSelectedAndTheOrderIsChanged) {
    Level level = smallLevel();
    for (const float z : {-10.0f, -20.0f}) {
        PlatformPiece platform;
        platform.at = glm::vec3(0.0f, -0.5f, z);
        level.platforms.push_back(platform);
    }
    LevelEdit edit(level);
    const auto zs = [&edit] {
        std::vector<float> found;
        for (const PlatformPiece& platform : edit.level().platforms) {
            found.push_back(platform.at.z);
        }
        return found;
    };
    const PieceRef first{Kind::Platform, 0};
    EXPECT_EQ(edit.place(Kind::Platform, glm::vec3(0.0f, -0.5f, -5.0f), first),
              (PieceRef{Kind::Platform, 1}));
    EXPECT_EQ(zs(), (std::vector<float>{0.0f, -5.0f, -10.0f, -20.0f}));
    EXPECT_EQ(edit.place(Kind::Platform, glm::vec3(0.0f, -0.5f, -30.0f), PieceRef{Kind::Trap, 0}),
              (PieceRef{Kind::Platform, 4}))
        << "after a piece of another kind: last";
    EXPECT_EQ(edit.duplicate(PieceRef{Kind::Platform, 2}, glm::vec3(0.0f, 0.0f, -1.0f)),
              (PieceRef{Kind::Platform, 3}));
    EXPECT_EQ(zs(), (std::vector<float>{0.0f, -5.0f, -10.0f, -11.0f, -20.0f, -30.0f}));

    EXPECT_EQ(edit.reorder(PieceRef{Kind::Platform, 4}, -3), (PieceRef{Kind::Platform, 1}));
    EXPECT_EQ(zs(), (std::vector<float>{0.0f, -20.0f, -5.0f, -10.0f, -11.0f, -30.0f}));
    EXPECT_FALSE(edit.reorder(PieceRef{Kind::Platform, 5}, 1)) << "past the last";
    EXPECT_FALSE(edit.reorder(PieceRef{Kind::Platform, 0}, -1)) << "before the first";
    EXPECT_FALSE(edit.reorder(PieceRef{Kind::Start, 0}, 1));
    edit.undo();
    EXPECT_EQ(zs(), (std::vector<float>{0.0f, -5.0f, -10.0f, -11.0f, -20.0f, -30.0f}));

    const PieceRef trap = *edit.place(Kind::Trap, glm::vec3(1.0f, 0.0f, 0.0f));
    edit.place(Kind::Trap, glm::vec3(2.0f, 0.0f, 0.0f), trap);
    EXPECT_EQ(edit.reorder(trap, 1), (PieceRef{Kind::Trap, 1}));
    EXPECT_EQ(edit.level().traps[0].at.x, 2.0f);
    EXPECT_EQ(edit.level().platforms.size(), 6u) << "the other kinds keep theirs";
}

// The start's facing is set as the file may hold it, one step for a field typed in.
TEST(LevelEditTest, SetsTheStartsFacingWithinTheFilesRange) {
    LevelEdit edit(smallLevel());
    EXPECT_TRUE(edit.setFacing(45.0f));
    EXPECT_TRUE(edit.setFacing(-90.0f));
    EXPECT_EQ(edit.level().facing, -90.0f);
    EXPECT_FALSE(edit.setFacing(361.0f));
    EXPECT_FALSE(edit.setFacing(std::nanf("")));
    EXPECT_EQ(edit.level().facing, -90.0f);
    edit.undo();
    EXPECT_EQ(edit.level().facing, 0.0f) << "one step while the gesture lasts";
}

// There is one start and one goal: placing one moves it, the start cannot go, the goal can.
TEST(LevelEditTest, KeepsOneStartAndAtMostOneGoal) {
    LevelEdit edit(smallLevel());
    const PieceRef start{Kind::Start, 0};
    const PieceRef goal{Kind::Goal, 0};
    EXPECT_FALSE(edit.remove(start));
    EXPECT_FALSE(edit.duplicate(start, glm::vec3(1.0f)));
    EXPECT_FALSE(edit.duplicate(goal, glm::vec3(1.0f)));
    EXPECT_EQ(edit.place(Kind::Start, glm::vec3(0.0f, 0.0f, 1.0f)), start);
    EXPECT_EQ(edit.level().start, glm::vec3(0.0f, 0.0f, 1.0f));

    EXPECT_FALSE(edit.remove(PieceRef{Kind::Platform, 0}));  // the level's only one
    EXPECT_TRUE(edit.remove(goal));
    EXPECT_FALSE(edit.hasGoal());
    EXPECT_FALSE(edit.holds(goal));
    EXPECT_FALSE(edit.move(goal, glm::vec3(1.0f)));
    EXPECT_EQ(edit.place(Kind::Goal, glm::vec3(4.0f, 0.0f, -4.0f)), goal);
    EXPECT_TRUE(edit.hasGoal());
    EXPECT_EQ(edit.level().goal, glm::vec3(4.0f, 0.0f, -4.0f));
    edit.undo();
    EXPECT_FALSE(edit.hasGoal());
    edit.undo();
    EXPECT_TRUE(edit.hasGoal());
    EXPECT_EQ(edit.level().goal, glm::vec3(0.0f, -0.45f, -8.0f));
}

// A moving platform takes its path along; a swinging one swings about its new place.
TEST(LevelEditTest, MovingAPlatformMovesItsPath) {
    Level level = smallLevel();
    level.platforms[0].path = {glm::vec3(0.0f, -0.5f, -6.0f), glm::vec3(4.0f, 1.5f, -6.0f)};
    level.platforms[0].speed = 2.0f;
    LevelEdit edit(level);
    const PieceRef platform{Kind::Platform, 0};
    EXPECT_TRUE(edit.move(platform, glm::vec3(1.0f, 2.0f, 0.0f)));
    const std::vector<glm::vec3> moved{glm::vec3(1.0f, 1.5f, -6.0f), glm::vec3(5.0f, 3.5f, -6.0f)};
    EXPECT_EQ(edit.level().platforms[0].path, moved);
    EXPECT_TRUE(edit.setPosition(platform, glm::vec3(0.0f, -0.5f, -1.0f)));
    EXPECT_EQ(edit.level().platforms[0].path[0], glm::vec3(0.0f, -0.5f, -7.0f));
    EXPECT_EQ(edit.level().platforms[0].speed, 2.0f);
}

// A click finds the nearest piece along its ray, a trap in front of the platform it stands on.
TEST(LevelEditTest, FindsThePieceAlongARay) {
    LevelEdit edit(smallLevel());
    const PieceRef trap = *edit.place(Kind::Trap, glm::vec3(2.0f, -0.5f, 0.0f));
    const glm::vec3 down(0.0f, -1.0f, 0.0f);
    EXPECT_EQ(pieceAlong(edit, glm::vec3(2.0f, 10.0f, 0.0f), down), trap);
    EXPECT_EQ(pieceAlong(edit, glm::vec3(-2.5f, 10.0f, 0.5f), down), (PieceRef{Kind::Platform, 0}));
    EXPECT_EQ(pieceAlong(edit, glm::vec3(0.0f, 1.0f, 5.0f), glm::vec3(0.0f, 0.0f, -1.0f)),
              (PieceRef{Kind::Start, 0}));
    EXPECT_FALSE(pieceAlong(edit, glm::vec3(20.0f, 10.0f, 0.0f), down));
    EXPECT_FALSE(pieceAlong(edit, glm::vec3(2.0f, 10.0f, 0.0f), -down));
}

// A click anywhere on a piece as drawn finds it: a platform's side well below its top, the
// goal's rings and a checkpoint's flag high above their places; and the nearest along the ray,
// a trap behind a platform's side staying hidden by it.
TEST(LevelEditTest, FindsAPieceAnywhereOnItsDrawnBox) {
    LevelEdit edit(smallLevel());
    const PieceRef checkpoint = *edit.place(Kind::Checkpoint, glm::vec3(10.0f, -0.5f, -8.0f));
    const PieceRef trap = *edit.place(Kind::Trap, glm::vec3(0.0f, -1.5f, -5.0f));
    const glm::vec3 ahead(0.0f, 0.0f, -1.0f);
    // The platform's top is at -0.5; its model is 2 deep.
    EXPECT_EQ(pieceAlong(edit, glm::vec3(0.0f, -2.0f, 10.0f), ahead), (PieceRef{Kind::Platform, 0}))
        << "the side, a unit and a half below the top, before the trap beyond it";
    EXPECT_FALSE(pieceAlong(edit, glm::vec3(-1.0f, -2.6f, 10.0f), ahead)) << "below the model";
    EXPECT_EQ(pieceAlong(edit, glm::vec3(0.0f, -1.5f, -4.0f), ahead), trap) << "past the platform";
    // The goal's place is at -0.45; its rings' pole reaches 1.55 above it.
    EXPECT_EQ(pieceAlong(edit, glm::vec3(0.0f, 0.9f, -1.0f), ahead), (PieceRef{Kind::Goal, 0}));
    EXPECT_FALSE(pieceAlong(edit, glm::vec3(0.0f, 1.2f, -1.0f), ahead)) << "above the pole";
    // The flag stands 2.2 above its place.
    EXPECT_EQ(pieceAlong(edit, glm::vec3(10.0f, 1.5f, 0.0f), ahead), checkpoint);
}

// Undoing a move in the order, and doing it again, tells where each piece went: the one moved
// and the ones it passed. Any other step leaves every piece where it was.
TEST(LevelEditTest, AnUndoneReorderTellsWhereThePiecesWent) {
    Level level = smallLevel();
    for (const float z : {-10.0f, -20.0f, -30.0f}) {
        PlatformPiece platform;
        platform.at = glm::vec3(0.0f, -0.5f, z);
        level.platforms.push_back(platform);
    }
    LevelEdit edit(level);
    const auto platform = [](int index) { return PieceRef{Kind::Platform, index}; };
    ASSERT_EQ(edit.reorder(platform(3), -2), platform(1));
    ASSERT_EQ(edit.level().platforms[1].at.z, -30.0f);
    ASSERT_TRUE(edit.undo());
    EXPECT_EQ(edit.level().platforms[3].at.z, -30.0f);
    EXPECT_EQ(edit.afterStep(platform(1)), platform(3)) << "the piece moved goes back";
    EXPECT_EQ(edit.afterStep(platform(2)), platform(1)) << "and the one it passed";
    EXPECT_EQ(edit.afterStep(platform(0)), platform(0));
    EXPECT_EQ(edit.afterStep(PieceRef{Kind::Goal, 0}), (PieceRef{Kind::Goal, 0}));
    ASSERT_TRUE(edit.redo());
    EXPECT_EQ(edit.afterStep(platform(3)), platform(1));
    EXPECT_EQ(edit.afterStep(platform(1)), platform(2));

    edit.setPar(99);
    ASSERT_TRUE(edit.undo());
    EXPECT_EQ(edit.afterStep(platform(1)), platform(1)) << "a step that moved nothing";
    ASSERT_TRUE(edit.undo());
    EXPECT_EQ(edit.afterStep(platform(1)), platform(3)) << "the reorder, undone again";
}

// What the level's file could not hold is refused, and changes nothing.
TEST(LevelEditTest, KeepsTheFilesCaps) {
    LevelEdit edit(smallLevel());
    PlatformPiece platform = edit.level().platforms[0];
    platform.path.assign(kMaxPathPoints, glm::vec3(0.0f, -0.5f, -4.0f));
    platform.speed = 1.0f;
    EXPECT_TRUE(edit.setPlatform(0, platform));
    platform.path.push_back(glm::vec3(1.0f));
    EXPECT_FALSE(edit.setPlatform(0, platform));
    platform.path.clear();
    platform.path.push_back(glm::vec3(1.0f));
    platform.swing = Swing{0, 2.0f};
    EXPECT_FALSE(edit.setPlatform(0, platform));
    EXPECT_EQ(edit.level().platforms[0].path.size(), kMaxPathPoints);

    while (edit.place(Kind::Trap, glm::vec3(0.0f))) {
    }
    const Level full = edit.level();
    EXPECT_EQ(full.platforms.size() + full.traps.size(), kMaxLevelPieces);
    EXPECT_FALSE(edit.duplicate(PieceRef{Kind::Platform, 0}, glm::vec3(1.0f)));
    EXPECT_FALSE(edit.place(Kind::Checkpoint, glm::vec3(1.0f)));
    EXPECT_EQ(edit.level(), full);
    EXPECT_TRUE(edit.place(Kind::Goal, glm::vec3(1.0f)));  // moved, not added
}

}  // namespace
