#include "tools/caplevel/CapLevel.h"

#include "gameplay/LevelFile.h"
#include "gameplay/LevelText.h"

namespace {

// Of the cap's pieces: three in five platforms; the rest traps, health packs and checkpoints.
constexpr std::size_t kPlatforms = kMaxLevelPieces * 3 / 5;
constexpr std::size_t kTraps = kMaxLevelPieces / 5;
constexpr std::size_t kHealthPacks = kMaxLevelPieces / 8;
constexpr std::size_t kCheckpoints = kMaxLevelPieces - kPlatforms - kTraps - kHealthPacks;

constexpr int kColumns = 7;              // platforms a row
constexpr float kColumnGap = 4.0f;       // units between a row's platforms
constexpr float kRowGap = 4.0f;          // units between rows, along -z
constexpr float kHeight = -0.5f;         // the course's platform height
constexpr float kItemHeight = 0.0f;      // a health pack's, above a platform
constexpr float kSwingAmplitude = 1.5f;  // units
constexpr float kPathReach = 2.0f;       // units a moving platform travels, across the row
constexpr float kPathSpeed = 1.5f;       // units per second
constexpr float kPathWait = 0.5f;        // seconds at each end
constexpr float kPhaseStep = 0.37f;      // seconds of head start from one platform to the next
constexpr float kGoalLift = 0.05f;       // units above the last platform, as the course's

// Column `column` of row `row`, the middle column straight ahead of the start.
glm::vec3 gridPlace(std::size_t row, std::size_t column, float y) {
    const float x = (static_cast<float>(column) - (kColumns - 1) / 2.0f) * kColumnGap;
    return glm::vec3(x, y, -static_cast<float>(row) * kRowGap);
}

PlatformPiece platformAt(std::size_t i) {
    PlatformPiece piece;
    piece.at = gridPlace(i / kColumns, i % kColumns, kHeight);
    // The start's platform, the middle of the first row, stands still.
    if (i % kColumns == kColumns / 2) {
        return piece;
    }
    // A head start only for one that moves: a level file allows no other.
    piece.phase = i % 4 == 1 || i % 4 == 3 ? kPhaseStep * static_cast<float>(i % 16) : 0.0f;
    switch (i % 4) {
        case 1:
            piece.swing =
                Swing{i % 8 == 1 ? 0 : 2, i % 3 == 0 ? kSwingAmplitude : -kSwingAmplitude};
            break;
        case 3:
            piece.path = {piece.at + glm::vec3(0.0f, 0.0f, -kPathReach)};
            piece.speed = kPathSpeed;
            piece.wait = kPathWait;
            break;
        default:
            break;
    }
    return piece;
}

// The i-th place between two rows, the rows after the first few: none touches the start.
Piece betweenRows(std::size_t i, std::size_t count, std::size_t offset, float y) {
    const std::size_t rows = kPlatforms / kColumns;
    const std::size_t slot = (i * rows * kColumns / count + offset) % (rows * kColumns);
    const std::size_t row = 2 + slot / kColumns % (rows - 2);
    glm::vec3 at = gridPlace(row, slot % kColumns, y);
    at.x += kColumnGap / 2.0f;
    at.z -= kRowGap / 2.0f;
    return Piece{at, {}};
}

}  // namespace

Level capLevel() {
    Level level;
    level.name = "Cap";
    level.parTime = 600;
    level.start = glm::vec3(0.0f, kHeight, 0.0f);
    level.platforms.reserve(kPlatforms);
    for (std::size_t i = 0; i < kPlatforms; ++i) {
        level.platforms.push_back(platformAt(i));
    }
    for (std::size_t i = 0; i < kTraps; ++i) {
        level.traps.push_back(betweenRows(i, kTraps, 0, kHeight));
    }
    for (std::size_t i = 0; i < kHealthPacks; ++i) {
        level.healthPacks.push_back(betweenRows(i, kHealthPacks, 3, kItemHeight));
    }
    for (std::size_t i = 0; i < kCheckpoints; ++i) {
        level.checkpoints.push_back(betweenRows(i, kCheckpoints, 5, kHeight));
    }
    level.goal = level.platforms.back().at + glm::vec3(0.0f, kGoalLift, 0.0f);
    return level;
}

PlayedLevel capLevelPlay() {
    PlayedLevel played;
    played.level = capLevel();
    played.id = LevelId{levelHashText(levelHash(levelText(played.level))), played.level.name};
    played.shipped = false;
    return played;
}
