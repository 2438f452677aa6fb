#include "app/Game.h"
#include "app/frame/Clock.h"
#include "app/input/Toggles.h"
#include "base/Console.h"
#include "gameplay/LevelLayout.h"
#include "gameplay/PlatformPath.h"

// The scene of the level played, built by the set-up steps in their order.
void Game::initLevel() {
    initPlayer();
    initPickupsAndTraps();
    initCheckpoints(session.played.level.goal);
    initPlatforms();
    initLevelCheckpoints();
    initLights();
    initParticleSystems();
}

// Everything of the level before goes; a best run's ghost comes with the level's records.
void Game::buildScene(std::unique_ptr<LevelOwnFiles> own) {
    models.clear();
    objects.clear();
    platforms.clear();
    run.items.clear();
    lights.clear();
    particleSystems.clear();
    look.ghost.reset();
    materials.resize(1);
    session.ownFiles = std::move(own);
    player = nullptr;

    initLevel();
    // The camera's frame keeps some of these boxes, as many as come near it: room for all of
    // them, so that no frame allocates.
    run.cameraBoxes.reserve(platforms.size() + run.items.size());
    initUniforms();
    if (GameAudio* audio = sound.playing()) {
        audio->placeGoal(session.played.level.goal);
        audio->playMusic(session.played.level.look.music);
    }
    // A level being made has no records yet.
    if (editor) {
        session.records = Records();
    } else {
        session.loadRecords();
    }
    initGhost();
}

// Its own files are loaded first, so that a level that cannot be played leaves the one played
// as it was.
std::optional<OwnFilesRefused> Game::playLevel(PlayedLevel level) {
    const std::optional<std::size_t> start = level.startCheckpoint;
    std::optional<OwnFilesRefused> refused = switchLevel(std::move(level), start);
    if (!refused) {
        announceLevel();
    }
    return refused;
}

std::optional<OwnFilesRefused> Game::switchLevel(PlayedLevel level,
                                                 std::optional<std::size_t> checkpoint) {
    std::unique_ptr<LevelOwnFiles> own;
    try {
        own = std::make_unique<LevelOwnFiles>(level.level, level.folder, colourEncoding());
    } catch (const OwnFilesRefused& refused) {
        printProblem(oneLine(refused.what()));
        return refused;
    }
    session.changeLevel(std::move(level), nullptr);
    buildScene(std::move(own));
    startOwnRun(checkpoint);
    return std::nullopt;
}

void Game::announceLevel() {
    const PlayedLevel& played = session.played;
    if (played.chosen) {
        ui.hud.showTitleCard(shownName(played.level, played.shipped), played.level.parTime,
                             session.records.bestTime, readClock());
    }
}

void Game::retry() {
    startOwnRun(session.played.startCheckpoint);
}

void Game::startOwnRun(std::optional<std::size_t> checkpoint) {
    startRun(RunStart::own(ownSettings(), checkpoint));
    session.results.reset();
    setPaused(false);
    // The run's time starts here, as the game's does at its first frame.
    restartFrameTime();
}

void Game::startReplay(Replay replay, AfterReplay after) {
    if (paused) {
        setPaused(false);
    }
    startRun(RunStart::watched(std::move(replay), after));
}

void Game::returnFromReplay() {
    startRun(ownStart());
    setPaused(true);
}

// Everything the rules read, as a new game has it, whoever plays: a replay's first frame then
// plays as it did at its game's start.
void Game::startRun(RunStart start) {
    resetToggles();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_CULL_FACE);
    const Level& level = session.played.level;
    player->restartPosition = level.start + level::kPlayerLift;
    player->startAfresh(level.start, level.start + level::kPlayerLift, level.facing);
    player->turnSpeed = start.settings.sensitivity;
    player->acceleration = glm::vec3(0.0f, start.settings.gravity, 0.0f);
    initCamera(start.settings.sensitivity);
    run.startOver(platforms.size());
    showItems();
    // A path's head start places its platform before the first step moves it, and anyone on it.
    for (std::size_t i = 0; i < platforms.size(); ++i) {
        platforms[i]->setPosition(pathPosition(level.platforms[i], 0.0f));
    }
    totalTime = 0.0f;
    if (start.checkpoint) {
        startAtCheckpoint(*start.checkpoint);
    }
    session.startRun(std::move(start));
}

// As if the player had just touched it, without the split or the line that a touch makes.
void Game::startAtCheckpoint(std::size_t checkpoint) {
    for (Item& item : run.items) {
        if (item.kind == Item::Kind::Checkpoint && item.piece == checkpoint) {
            item.reached = true;
            const glm::vec3 place = item.object->position;
            player->startAfresh(place, place + level::kPlayerLift, session.played.level.facing);
            player->restartPosition = place + level::kPlayerLift;
        }
    }
}

// The player's run starts at the level's start, or at the section chosen to practise.
RunStart Game::ownStart() const {
    return RunStart::own(ownSettings(), session.played.startCheckpoint);
}

ReplaySettings Game::ownSettings() const {
    return ReplaySettings{options.sensitivity, options.gravity};
}

// The time since the last frame went to the game's own work (a level loaded, a picture
// written, the window switched), not to play: a frame of it would be played in steps and
// would cost the run its record.
void Game::restartFrameTime() {
    lastFrame = static_cast<float>(readClock());
}
