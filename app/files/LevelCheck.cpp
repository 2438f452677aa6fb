#include "app/files/LevelCheck.h"

#include "app/files/LevelOwnFiles.h"
#include "base/Console.h"
#include "gameplay/LevelWarnings.h"

namespace {

const char* warningLead(LevelWarning::Kind kind) {
    switch (kind) {
        case LevelWarning::Kind::StartOverNothing:
            return "WARNING::LEVEL::START_OVER_NOTHING: ";
        case LevelWarning::Kind::NoGoal:
            return "WARNING::LEVEL::NO_GOAL: ";
        case LevelWarning::Kind::OutOfReach:
            return "WARNING::LEVEL::OUT_OF_REACH: ";
        case LevelWarning::Kind::Overlap:
            break;
    }
    return "WARNING::LEVEL::OVERLAP: ";
}

// The key that names the file refused: the first piece, as they are built, whose look names
// it. The refusal's own line says what is wrong; this one says where.
void tellWhereRefused(const LevelEntry& entry, const OwnFilesRefused& refused) {
    for (const PieceRef piece : piecesInBuildOrder(entry.level)) {
        const PieceLook& look = lookOf(entry.level, piece);
        for (const bool model : {true, false}) {
            if ((model ? look.model : look.image) == refused.file) {
                const PiecePlaces& places = entry.places.of(piece);
                printLine(placedText(entry.file.string(), model ? places.model : places.image,
                                     lookKeyName(piece, model) + " names it"));
                return;
            }
        }
    }
}

bool ownFilesLoad(const LevelEntry& entry) {
    try {
        const LevelOwnFiles files(entry.level, entry.file.parent_path(), TexelEncoding::Plain,
                                  LevelOwnFiles::Images::SizesOnly);
        return true;
    } catch (const OwnFilesRefused& refused) {
        printProblem(oneLine(refused.what()));
        tellWhereRefused(entry, refused);
        return false;
    }
}

}  // namespace

int checkLevel(const std::optional<LevelEntry>& level) {
    if (!level || !ownFilesLoad(*level)) {
        return 1;
    }
    for (const LevelWarning& warning : levelWarnings(level->level)) {
        const KeyPlace place = level->places.of(warning.piece).at;
        printProblem(warningLead(warning.kind),
                     placedText(level->file.string(), place, warning.text));
    }
    return 0;
}
