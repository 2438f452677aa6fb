#include "app/Game.h"

const Records& Game::playedRecords() const {
    return records;
}

const RunResults* Game::shownResults() const {
    return results ? &*results : nullptr;
}

std::string Game::playedName() const {
    return shownName(played.level, played.shipped);
}

int Game::playedPar() const {
    return played.level.parTime;
}

const std::vector<LevelEntry>& Game::listedLevels() {
    return levelList();
}

bool Game::listedOpen(std::size_t place) {
    return levelOpen(place);
}

bool Game::isPlayed(const LevelEntry& entry) const {
    return entry.level == played.level;
}

std::optional<float> Game::bestTimeIn(const LevelEntry& entry) {
    return bestTimeOf(entry);
}

const LevelEntry* Game::levelAfter() {
    return nextLevel();
}

std::optional<OwnFilesRefused> Game::playChosen(const LevelEntry& entry) {
    return playLevel(playedLevel(entry, true));
}

void Game::playAgain() {
    retry();
}

bool Game::hasBestRun() const {
    return bestRun.has_value();
}

void Game::watchBestRun() {
    startReplay(*bestRun, AfterReplay::Pause);
}

void Game::resumePlay() {
    setPaused(false);
}

void Game::quitAtNextFrame() {
    askToQuit();
}

void Game::takeOptions() {
    applyOptions();
}

void Game::takeWindow() {
    applyWindow();
}

bool Game::soundPlays() const {
    return audio != nullptr;
}

const GLFWgamepadstate* Game::padInUse() const {
    return controls.gamepad.padInUse();
}
