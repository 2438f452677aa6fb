#include "app/editor/LevelSave.h"

#include "app/files/LevelCatalog.h"
#include "gameplay/LevelFile.h"
#include "gameplay/LevelText.h"

namespace fs = std::filesystem;

namespace {

// The course built in code is the copy of the game's course file.
const char* const kCourseFile = "course.toml";

bool isInside(const fs::path& file, const fs::path& folder) {
    const fs::path relative = file.lexically_normal().lexically_relative(folder.lexically_normal());
    return !relative.empty() && *relative.begin() != "..";
}

bool hasOwnFiles(const Level& level) {
    const auto own = [](const PieceLook& look) {
        return !look.model.empty() || !look.image.empty();
    };
    for (const PlatformPiece& platform : level.platforms) {
        if (own(platform.look)) {
            return true;
        }
    }
    for (const auto* pieces : {&level.traps, &level.healthPacks, &level.checkpoints}) {
        for (const Piece& piece : *pieces) {
            if (own(piece.look)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

fs::path savePathOf(const PlayedLevel& level) {
    const fs::path own = playerLevelsFolder();
    if (own.empty()) {
        return own;  // the player has no home to keep levels in
    }
    if (level.file.empty()) {
        return own / kCourseFile;
    }
    if (isInside(level.file, own)) {
        return level.file;
    }
    return own / (levelKeyOf(level.file) + ".toml");
}

WriteResult saveLevel(const Level& level, bool hasGoal, const fs::path& ownFolder,
                      const fs::path& file, const std::string& comment) {
    if (file.empty()) {
        return WriteResult{false, "there is no folder for your levels: set HOME or XDG_DATA_HOME"};
    }
    if (!hasGoal) {
        return WriteResult{false, "a level needs a goal"};
    }
    if (hasOwnFiles(level) &&
        file.parent_path().lexically_normal() != ownFolder.lexically_normal()) {
        return WriteResult{false,
                           "its own files lie in " + ownFolder.string() +
                               ": move the level there, into your levels folder, to save it"};
    }
    const std::string text = levelText(level, comment);
    const LevelRead read = parseLevel(text, file.filename().string());
    if (!read.level) {
        return WriteResult{false, read.error};
    }
    return writeFileAtomically(file, text);
}
