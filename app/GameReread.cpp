#include "app/Game.h"
#include "app/frame/Clock.h"
#include "gameplay/LevelLayout.h"

// As its author saves it, the level starts again on what the file now says: at the checkpoint
// just reached, when the file still has one there, else where runs start. A file that does not
// read, or whose own files cannot serve, leaves the level played as it was.
void Game::rereadChangedLevel() {
    if (!session.watch || !session.watch->changed(readClock())) {
        return;
    }
    std::string problem;
    const std::optional<LevelEntry> entry = readLevelFile(session.watch->watchedPath(), &problem);
    if (!entry) {
        events.push_back(Event::levelReread(false, problem));
        return;
    }
    PlayedLevel level = playedLevel(*entry, true);
    level.watched = true;
    level.startCheckpoint = session.played.startCheckpoint;
    std::optional<std::size_t> checkpoint = lastCheckpointReached();
    if (!checkpoint || *checkpoint >= level.level.checkpoints.size()) {
        checkpoint = level.startCheckpoint;
    }
    const std::string name = shownName(level.level, level.shipped);
    if (const std::optional<OwnFilesRefused> refused = switchLevel(std::move(level), checkpoint)) {
        events.push_back(Event::levelReread(false, refused->what()));
        return;
    }
    events.push_back(Event::levelReread(true, name));
}

// The one whose place a loss would put the player back at.
std::optional<std::size_t> Game::lastCheckpointReached() const {
    for (const Item& item : run.items) {
        if (item.kind == Item::Kind::Checkpoint && item.reached &&
            item.object->position + level::kPlayerLift == player->restartPosition) {
            return item.piece;
        }
    }
    return std::nullopt;
}
