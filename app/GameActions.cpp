#include "app/Game.h"

const Records& Game::playedRecords() const {
    return session.records;
}

const RunResults* Game::shownResults() const {
    return session.results ? &*session.results : nullptr;
}

std::string Game::playedName() const {
    return shownName(session.played.level, session.played.shipped);
}

int Game::playedPar() const {
    return session.played.level.parTime;
}

const std::vector<LevelEntry>& Game::listedLevels() {
    return session.levelList();
}

bool Game::listedOpen(std::size_t place) {
    return session.levelOpen(place, options.unlockAll);
}

bool Game::isPlayed(const LevelEntry& entry) const {
    return session.isPlayed(entry);
}

std::optional<float> Game::bestTimeIn(const LevelEntry& entry) {
    return session.bestTimeOf(entry);
}

const LevelEntry* Game::levelAfter() {
    return session.nextLevel(options.unlockAll);
}

std::optional<OwnFilesRefused> Game::playChosen(const LevelEntry& entry) {
    editor.reset();  // a level chosen is played, not made
    return playLevel(playedLevel(entry, true));
}

void Game::playAgain() {
    retry();
}

bool Game::hasBestRun() const {
    return session.bestRun.has_value();
}

void Game::watchBestRun() {
    startReplay(*session.bestRun, AfterReplay::Pause);
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
    return sound.playing() != nullptr;
}

const GLFWgamepadstate* Game::padInUse() const {
    return controls.gamepad.padInUse();
}
