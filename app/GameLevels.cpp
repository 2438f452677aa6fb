#include "app/Game.h"

#include "app/Clock.h"
#include "base/Console.h"

// The scene of the level played, built by the set-up steps in their order.
void Game::initLevel(float sensitivity, float gravity) {
    initPlayer(sensitivity, gravity);
    initCamera(sensitivity);
    initPickupsAndTraps();
    initCheckpoints(played.level.goal);
    initPlatforms();
    initLevelCheckpoints();
    initLights();
    initParticleSystems();
}

const std::vector<LevelEntry>& Game::levelList() {
    if (!catalog) {
        catalog = findLevels();
    }
    return *catalog;
}

// Known as its records are: by its file's hash, the course's whatever its file.
std::optional<std::size_t> Game::playedPlace() {
    const std::vector<LevelEntry>& levels = levelList();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (playedLevel(levels[i], false).hash == played.hash) {
            return i;
        }
    }
    return std::nullopt;
}

const LevelEntry* Game::nextLevel() {
    const std::optional<std::size_t> place = playedPlace();
    if (!place || *place + 1 == levelList().size() || !levelOpen(*place + 1)) {
        return nullptr;
    }
    return &levelList()[*place + 1];
}

bool Game::levelOpen(std::size_t place) {
    return options.unlockAll || isLevelOpen(levelList(), place, wonLevels());
}

// Everything of the level goes, once the new one's own files are loaded; the shaders, textures
// and the shared material stay. Its best time, won in this game perhaps, is kept for the
// Levels page as the records now hold it.
std::optional<OwnFilesRefused> Game::playLevel(PlayedLevel level) {
    std::unique_ptr<LevelOwnFiles> own;
    try {
        own = std::make_unique<LevelOwnFiles>(level.level, level.folder, colourEncoding());
    } catch (const OwnFilesRefused& refused) {
        printProblem(oneLine(refused.what()));
        return refused;
    }
    bestTimes[played.hash] = records.bestTime;
    models.clear();
    objects.clear();
    platforms.clear();
    items.clear();
    lights.clear();
    particleSystems.clear();
    ghost.reset();
    ghostTrack.reset();
    bestRun.reset();
    materials.resize(1);
    ownFiles = std::move(own);
    player = nullptr;
    played = std::move(level);

    initLevel(options.sensitivity, options.gravity);
    initUniforms();
    if (audio) {
        audio->placeGoal(played.level.goal);
    }
    initRecords();
    initGhost();
    retry();
    announceLevel();
    return std::nullopt;
}

void Game::announceLevel() {
    if (played.chosen) {
        ui.hud.showTitleCard(shownName(played.level, played.shipped), played.level.parTime,
                             records.bestTime, readClock());
    }
}

void Game::retry() {
    playback.reset();
    const ReplaySettings own{options.sensitivity, options.gravity};
    startAfresh(own);
    recording.startOver(own, played.tag());
    results.reset();
    runSplits.assign(played.level.checkpoints.size(), kNoSplit);
    setPaused(false);
    // The run's time starts here, as the game's does at its first frame.
    restartFrameTime();
}

// The time since the last frame went to the game's own work (a level loaded, a picture
// written, the window switched), not to play: a frame of it would be played in steps and
// would cost the run its record.
void Game::restartFrameTime() {
    lastFrame = static_cast<float>(readClock());
}

// The records now hold the win: the results show them, until the player chooses what next.
void Game::showResults(const Event& won, const std::optional<KeptWin>& kept,
                       const std::vector<float>& earlierSplits, std::optional<RunFault> notRecord) {
    Results shown{won.seconds, won.points, records.bestTime, kept && kept->bestTime, {}, notRecord};
    for (std::size_t i = 0; i < runSplits.size(); ++i) {
        const float earlier = i < earlierSplits.size() ? earlierSplits[i] : kNoSplit;
        shown.splits.push_back(Split{runSplits[i], earlier});
    }
    results = std::move(shown);
    setPaused(true);
    ui.pausePanel.showResults();
}
