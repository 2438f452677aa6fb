#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "app/files/RecordsFile.h"
#include "app/files/ReplayFile.h"
#include "tests/support/FileText.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "tests/support/ShownText.h"
#include "tests/support/SmallLevel.h"

namespace {

namespace fs = std::filesystem;

// The player starts on a platform that travels 4 units along +x at 1 unit a second.
const char* const kMovingLevel = R"(format = 1
name = "Carried"
par_time = 20
[start]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, 0.0]
path = [[4.0, -0.5, 0.0]]
speed = 1.0
[goal]
at = [0.0, -0.45, -40.0]
)";

// The player starts on a platform 4 units along a path of 4 along +x, at 2 units a second,
// with a second's head start and a second's rest at each end; far off, a swing 1.5 s ahead.
const char* const kTimedLevel = R"(format = 1
name = "Timed"
par_time = 20
[start]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, 0.0]
path = [[4.0, -0.5, 0.0]]
speed = 2.0
wait = 1.0
phase = 1.0
[[platform]]
at = [999.0, -0.5, -40.0]
swing = { axis = "x", amplitude = 2.0 }
phase = 1.5
[goal]
at = [0.0, -0.45, -40.0]
)";

// Where the timed level's path platform stands along x at `seconds` of its own time: 2 s out,
// 1 s at rest, 2 s back, 1 s at rest.
float timedPathX(float seconds) {
    const float into = std::fmod(seconds, 6.0f);
    return into < 2.0f   ? 2.0f * into
           : into < 3.0f ? 4.0f
           : into < 5.0f ? 4.0f - 2.0f * (into - 3.0f)
                         : 0.0f;
}

// Two platforms far below the course, 14 units apart: nothing between them to walk on.
const char* const kDeepLevel = R"(format = 1
name = "Deep"
par_time = 20
[start]
at = [0.0, -20.0, 0.0]
[[platform]]
at = [0.0, -20.0, 0.0]
[[platform]]
at = [0.0, -20.0, -20.0]
[goal]
at = [0.0, -19.95, -20.0]
)";

// A platform that swings far along x, where the course has none, and a health pack and a
// checkpoint at the start, which a run's first frame takes and reaches.
const char* const kFarSwingLevel = R"(format = 1
name = "Far swing"
par_time = 20
[start]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [999.0, -0.5, -40.0]
swing = { axis = "x", amplitude = 2.0 }
[[platform]]
at = [0.0, -0.5, -80.0]
[[health]]
at = [0.0, -0.5, 0.0]
[[checkpoint]]
at = [0.0, -0.5, 0.0]
[goal]
at = [0.0, -0.45, -80.0]
)";

const int kFrameLimit = 600;

// The small level under another name, so that each is a level of its own.
std::string smallLevelNamed(const std::string& name) {
    std::string text = kSmallLevel;
    const std::string shown = "Small steps";
    return text.replace(text.find(shown), shown.size(), name);
}

// The game's assets with the course as the only shipped level, whatever the pack holds: the
// tests lay out the levels they need.
void shipOnlyTheCourse(const fs::path& directory) {
    for (const auto& entry : fs::directory_iterator(directory / "assets/levels")) {
        if (entry.path().filename() != "course.toml") {
            fs::remove(entry.path());
        }
    }
}

// A pack of three in the game's assets, listed with a comment, a blank line and a name that
// has no file.
void writePack(const fs::path& directory) {
    shipOnlyTheCourse(directory);
    const fs::path levels = directory / "assets/levels";
    writeFile(levels / "pack.txt", "# easiest first\nfirst\n\nsecond\nmissing\nthird\n");
    for (const char* name : {"first", "second", "third"}) {
        writeFile(levels / (std::string(name) + ".toml"), smallLevelNamed(name));
    }
}

class LevelPlay : public GameFixture {
protected:
    void startLevel(const char* name, const char* text) {
        levelName = name;
        startGame(kSmallWindowSettings, [name, text](const fs::path& directory) {
            writeFile(directory / "data/smeltrun/levels" / (std::string(name) + ".toml"), text);
        });
    }

    // Frames with the key held until `done`, or the limit; the next frame sees it released.
    template <typename Done>
    void holdUntil(int key, Done done) {
        input.press(key);
        for (int i = 0; i < kFrameLimit && !done(); ++i) {
            frame();
        }
        input.release(key);
    }
};

// The win is kept in the level's own records and replay, not the course's, and shows the
// results; the replay names the level, and plays back on it, frame by frame as it went.
TEST_F(LevelPlay, ASmallLevelIsWonAndKeepsItsOwnRecordsAndReplay) {
    startLevel("small", kSmallLevel);
    EXPECT_EQ(game->ui.hud.titleCard(clock.seconds()),
              (std::vector<std::string>{"Small steps", "Par 20 s    Best -"}))
        << "a level asked for opens with its title card";
    holdUntil(GLFW_KEY_W, [this] { return game->session.results.has_value(); });
    ASSERT_TRUE(game->session.results) << console.text();
    EXPECT_NE(console.text().find("GAME WON! "), std::string::npos);
    EXPECT_TRUE(game->paused) << "the results wait for the player";
    EXPECT_TRUE(game->session.results->newBest);
    ASSERT_EQ(game->session.results->splits.size(), 1u);
    const float split = game->session.results->splits[0].seconds;
    EXPECT_GT(split, 0.0f);
    EXPECT_LT(split, game->session.results->seconds);
    EXPECT_EQ(game->session.results->splits[0].best, kNoSplit) << "no run before it";

    const fs::path data = gameDirectory().dataHome() / "smeltrun";
    EXPECT_FALSE(fs::exists(data / "records")) << "the course's records are untouched";
    const fs::path replay = levelReplayFile(game->session.played.id.hash);
    ASSERT_TRUE(fs::exists(replay));
    EXPECT_NE(contentsOf(levelRecordsFile(game->session.played.id.hash)).find("best_split 0 "),
              std::string::npos);
    const ReplayRead read = readReplayFile(replay);
    ASSERT_TRUE(read.replay) << read.reason;
    EXPECT_EQ(read.replay->level.name, "Small steps");

    // Retry starts the level over; the same run again is set against the first.
    const float won = game->session.results->seconds;
    game->retry();
    EXPECT_FALSE(game->paused);
    EXPECT_EQ(game->player->position, glm::vec3(0.0f, -0.5f, 0.0f));
    holdUntil(GLFW_KEY_W, [this] { return game->session.results.has_value(); });
    ASSERT_TRUE(game->session.results);
    EXPECT_EQ(game->session.results->best, std::min(won, game->session.results->seconds));
    EXPECT_EQ(game->session.results->splits[0].best, split);

    // Another game's window takes the focus from this one: the last step.
    GameProcess watched(gameDirectory(), {}, {"--replay", replay.string()});
    watched.closeInput();
    EXPECT_EQ(watched.waitForExit(kHangLimit), 0) << watched.output();
    EXPECT_NE(watched.output().find("GAME WON! "), std::string::npos) << watched.output();
}

// A loss after the checkpoint starts over on it, and the run's clock goes on: the middle of
// the screen says so, where a loss before it says the game is lost. The checkpoint is a flag,
// not a piece of the goal.
TEST_F(LevelPlay, ALossAfterTheCheckpointStartsOverThere) {
    startLevel("small", kSmallLevel);
    const auto checkpoint =
        std::find_if(game->run.items.begin(), game->run.items.end(),
                     [](const Item& item) { return item.kind == Item::Kind::Checkpoint; });
    ASSERT_NE(checkpoint, game->run.items.end());
    EXPECT_EQ(checkpoint->object->diffuseTexture, game->textures[flagDiffuse].get());
    const auto lost = [this] { return console.text().find("GAME LOST! ") != std::string::npos; };
    holdUntil(GLFW_KEY_D, lost);
    EXPECT_STREQ(game->ui.hud.lossTitle(clock.seconds()), "GAME LOST");
    console.clear();

    holdUntil(GLFW_KEY_W, [this] { return game->player->position.z < -6.0f; });
    const float atCheckpoint = game->totalTime;
    holdUntil(GLFW_KEY_D, lost);
    EXPECT_EQ(game->player->position, glm::vec3(0.0f, 0.0f, -6.0f));
    EXPECT_GT(game->totalTime, atCheckpoint) << "the clock did not start again";
    EXPECT_STREQ(game->ui.hud.lossTitle(clock.seconds()), "BACK AT THE CHECKPOINT");
}

// A section practised from a checkpoint starts there, and Retry starts there again; its win shows
// why it is no record and keeps nothing. The command line refuses a checkpoint the level lacks.
TEST_F(LevelPlay, ARunStartedAtACheckpointIsNoRecord) {
    levelCheckpoint = 1;
    startLevel("small", kSmallLevel);
    const glm::vec3 checkpoint(0.0f, -0.5f, -6.0f);  // the small level's, as its file says
    EXPECT_EQ(game->player->position, checkpoint);
    holdUntil(GLFW_KEY_W, [this] { return game->session.results.has_value(); });
    ASSERT_TRUE(game->session.results) << console.text();
    EXPECT_EQ(game->session.results->notRecord, RunFault::PartWay);
    EXPECT_TRUE(game->session.results->splits.empty() ||
                game->session.results->splits[0].seconds == kNoSplit)
        << "no time at a checkpoint the run started on";
    EXPECT_FALSE(fs::exists(levelRecordsFile(game->session.played.id.hash)));
    EXPECT_FALSE(fs::exists(levelReplayFile(game->session.played.id.hash)));
    game->retry();
    EXPECT_EQ(game->player->position, checkpoint);
    const auto lost = [this] { return console.text().find("GAME LOST! ") != std::string::npos; };
    holdUntil(GLFW_KEY_D, lost);
    EXPECT_EQ(game->player->position, checkpoint + glm::vec3(0.0f, 0.5f, 0.0f))
        << "a loss starts over on the checkpoint the run started at";

    GameCommand command = commandIn(gameDirectory(), {}, {"--level", "small", "--checkpoint", "2"});
    command.captureErrors = true;
    GameProcess asked(command);
    EXPECT_EQ(asked.waitForExit(kHangLimit), 1);
    EXPECT_EQ(asked.output(), "") << "nothing on the console";
    EXPECT_EQ(asked.errors(), "smeltrun: --checkpoint 2: the level has 1 checkpoint\n");
}

// As its author saves it, a level asked for on the command line starts again on what its file
// now says, at the checkpoint just reached; a save that does not read keeps the level played,
// and says why on the console and the HUD.
TEST_F(LevelPlay, ALevelIsReadAgainWhenItsFileChanges) {
    startLevel("small", kSmallLevel);
    const fs::path file = gameDirectory().dataHome() / "smeltrun/levels/small.toml";
    const auto shows = [this](const std::string& start) {
        const std::vector<std::string> lines = game->ui.hud.messageLines(clock.seconds());
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    };
    holdUntil(GLFW_KEY_W, [this] { return game->player->position.z < -7.0f; });
    writeFile(file, std::string(kSmallLevel) + "[[platform]]\nat = [6.0, -0.5, -6.0]\n");
    const auto platforms = [this] { return game->platforms.size(); };
    for (int i = 0; i < kFrameLimit && platforms() == 3u; ++i) {
        frame();
    }
    EXPECT_EQ(platforms(), 4u) << "the saved file was read again";
    EXPECT_EQ(glm::vec2(game->player->position.x, game->player->position.z), glm::vec2(0.0f, -6.0f))
        << "at the checkpoint reached, where a loss would start over";
    EXPECT_EQ(game->session.partWay, true) << "a run from a checkpoint is no record";
    EXPECT_TRUE(shows("Level read again: Small steps"));

    console.clear();
    writeFile(file, "format = 1\nname = [\n");
    for (int i = 0; i < kFrameLimit && console.text().empty(); ++i) {
        frame();
    }
    EXPECT_EQ(console.text().rfind("ERROR::LEVEL::INVALID: ", 0), 0u) << console.text();
    EXPECT_TRUE(shows("Level kept as it was: ")) << "and why, on the HUD";
    EXPECT_EQ(platforms(), 4u) << "the level played stays";
    game->retry();
    EXPECT_EQ(game->player->position, glm::vec3(0.0f, -0.5f, 0.0f))
        << "a retry starts at the level's start again";
}

// From the course's pause panel the Levels page lists the shipped levels and the player's, but
// not those that do not read, each named in one line: a broken file, and a folder level whose
// model is a link out of its folder. Choosing one plays it, in its own model and image. Asked
// for on the command line, a level that does not read ends the game with its line.
TEST_F(LevelPlay, TheLevelsPageListsWhatReadsAndPlaysTheChosenLevel) {
    const char* const kBroken = "format = 1\nname = \"Broken\"\npar_time = \"soon\"\n";
    const std::string ownLevel = std::string(kSmallLevel) +
                                 "[[platform]]\nat = [9.0, -0.5, 0.0]\n"
                                 "model = \"raft.obj\"\nimage = \"raft.png\"\n";
    const fs::path assets = fs::path(SMELTRUN_ASSETS_DIR);
    startGame(kSmallWindowSettings, [&](const fs::path& directory) {
        shipOnlyTheCourse(directory);
        const fs::path levels = directory / "data/smeltrun/levels";
        writeFile(levels / "small.toml", kSmallLevel);
        writeFile(levels / "broken.toml", kBroken);
        writeFile(levels / "own/level.toml", ownLevel);
        fs::copy_file(assets / "OBJFiles/platform.obj", levels / "own/raft.obj");
        fs::copy_file(assets / "Images/trap.png", levels / "own/raft.png");
        writeFile(levels / "escape/level.toml", ownLevel);
        fs::create_symlink(assets / "OBJFiles/platform.obj", levels / "escape/raft.obj");
        fs::copy_file(assets / "Images/trap.png", levels / "escape/raft.png");
    });
    input.tap(GLFW_KEY_P);
    frame();
    frame();  // the panel lays itself out in its first frame, before it can be navigated
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, then Levels
    }
    std::vector<std::string> names;
    for (const LevelEntry& entry : game->session.levelList()) {
        names.push_back(entry.level.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"The course", "Small steps", "Small steps"}));
    EXPECT_NE(console.text().find("broken.toml:3:"), std::string::npos) << console.text();
    EXPECT_NE(console.text().find("raft.obj lies outside the level's folder"), std::string::npos);
    frame();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // the course, then the level with its own raft
    }
    EXPECT_FALSE(game->paused);
    ASSERT_EQ(game->platforms.size(), 4u);
    const GameObject& raft = *game->platforms[3];
    EXPECT_EQ(fs::path(raft.objName).filename(), "raft.obj");
    EXPECT_EQ(raft.diffuseTexture, game->session.ownFiles->image("raft.png", TexelEncoding::Plain));

    GameProcess asked(gameDirectory(), {}, {"--level", "broken"});
    EXPECT_EQ(asked.waitForExit(kHangLimit), 1);
    EXPECT_EQ(asked.output().rfind("ERROR::LEVEL::INVALID: ", 0), 0u) << asked.output();
    EXPECT_EQ(std::count(asked.output().begin(), asked.output().end(), '\n'), 1);
}

// The small level with one more platform, in its own model.
std::string withOwnModel(const std::string& name, const std::string& model) {
    return smallLevelNamed(name) + "[[platform]]\nat = [9.0, -0.5, 0.0]\nmodel = \"" + model +
           "\"\n";
}

// A level whose own model has a face past its lists reads, and is listed; chosen from the
// Levels page, it is refused before the course is let go: the page says why, and the course
// stays as it was. A model named in upper case is the file it names, and plays.
TEST_F(LevelPlay, ALevelWhoseModelCannotBeLoadedLeavesThePlayerWhereTheyWere) {
    const fs::path platform = fs::path(SMELTRUN_ASSETS_DIR) / "OBJFiles/platform.obj";
    startGame(kSmallWindowSettings, [&](const fs::path& directory) {
        shipOnlyTheCourse(directory);
        const fs::path levels = directory / "data/smeltrun/levels";
        writeFile(levels / "faulty/level.toml", withOwnModel("Faulty", "raft.obj"));
        writeFile(levels / "faulty/raft.obj", contentsOf(platform) + "f 1 2 99999\n");
        writeFile(levels / "upper/level.toml", withOwnModel("Upper", "RAFT.OBJ"));
        fs::copy_file(platform, levels / "upper/RAFT.OBJ");
    });
    const std::size_t platforms = game->platforms.size();
    input.tap(GLFW_KEY_P);
    frame();
    frame();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, then Levels
    }
    ASSERT_EQ(game->session.levelList().size(), 3u) << console.text();
    frame();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // the course, then the faulty level
    }
    EXPECT_EQ(game->session.played.level, courseLevel());
    EXPECT_EQ(game->platforms.size(), platforms);
    EXPECT_TRUE(game->paused) << "still on the Levels page";
    EXPECT_NE(console.text().find("ERROR::OBJLOADER::INVALID_FACE: "), std::string::npos)
        << console.text();
    frame();
    EXPECT_TRUE(showsText("Faulty cannot be played: its model raft.obj cannot be read."))
        << shownGlyphs();

    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // on to the level whose model is named in upper case
    }
    EXPECT_EQ(game->session.played.level.name, "Upper") << console.text();
    EXPECT_FALSE(game->paused);
    EXPECT_EQ(game->platforms.size(), 4u);
}

// Twenty platforms name one image and one model, each by another spelling: the level holds
// the two files once, and every piece shares them. A level is its own files too: with its
// model swapped for another, it is another level, whose records start afresh.
TEST_F(LevelPlay, ALevelsOwnFilesAreLoadedOnceAndMakeItWhatItIs) {
    const fs::path assets = fs::path(SMELTRUN_ASSETS_DIR);
    std::string text = smallLevelNamed("Aliases");
    for (int i = 0; i < 20; ++i) {
        std::string spelling;
        for (int k = 0; k < i; ++k) {
            spelling += k % 2 == 0 ? "./" : ".//";
        }
        text += "[[platform]]\nat = [" + std::to_string(20 + 3 * i) + ".0, -0.5, 0.0]\nmodel = \"" +
                spelling + "raft.obj\"\nimage = \"" + spelling + "raft.png\"\n";
    }
    levelName = "aliases";
    startGame(kSmallWindowSettings, [&](const fs::path& directory) {
        const fs::path folder = directory / "data/smeltrun/levels/aliases";
        writeFile(folder / "level.toml", text);
        fs::copy_file(assets / "OBJFiles/platform.obj", folder / "raft.obj");
        fs::copy_file(assets / "Images/trap.png", folder / "raft.png");
    });
    ASSERT_EQ(game->platforms.size(), 23u);
    for (std::size_t i = 3; i < game->platforms.size(); ++i) {
        EXPECT_EQ(game->platforms[i]->diffuseTexture, game->platforms[3]->diffuseTexture) << i;
    }
    EXPECT_EQ(game->session.ownFiles->fileCount(), 2u);

    holdUntil(GLFW_KEY_W, [this] { return game->session.results.has_value(); });
    ASSERT_TRUE(game->session.results) << console.text();
    const std::string won = game->session.played.id.hash;
    EXPECT_TRUE(fs::exists(levelRecordsFile(won)));

    fs::copy_file(assets / "OBJFiles/trap.obj",
                  gameDirectory().dataHome() / "smeltrun/levels/aliases/raft.obj",
                  fs::copy_options::overwrite_existing);
    restartGame();
    EXPECT_NE(game->session.played.id.hash, won);
    EXPECT_FALSE(game->session.records.bestTime) << "the records of the level as it was";
    EXPECT_EQ(game->ui.hud.titleCard(clock.seconds())[1], "Par 20 s    Best -");
}

// Standard error, for as long as it lives.
class ErrorCapture {
public:
    ErrorCapture() : kept(std::cerr.rdbuf(captured.rdbuf())) {}
    ~ErrorCapture() { std::cerr.rdbuf(kept); }
    std::string text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf* kept;
};

// Past a folder's first 1,000 levels by name the rest are not listed: standard error names
// them, and each is still found by its name, as --level finds it.
TEST_F(LevelPlay, LevelsPastTheCapAreNamedAndFoundByName) {
    const auto nameOf = [](int i) {
        char name[8];
        std::snprintf(name, sizeof name, "l%04d", i);
        return std::string(name);
    };
    startGame(kSmallWindowSettings, [&](const fs::path& directory) {
        shipOnlyTheCourse(directory);
        for (int i = 0; i < 1100; ++i) {
            writeFile(directory / "data/smeltrun/levels" / (nameOf(i) + ".toml"),
                      smallLevelNamed(nameOf(i)));
        }
    });
    std::string errors;
    {
        const ErrorCapture capture;
        ASSERT_EQ(game->session.levelList().size(), 1001u);
        errors = capture.text();
    }
    EXPECT_EQ(game->session.levelList().back().key, "l0999");
    EXPECT_NE(errors.find(": 100 levels past the first 1000 by name are not listed: l1000, "
                          "l1001, "),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find(", l1099\n"), std::string::npos) << errors;
    EXPECT_EQ(console.text().find("l1000"), std::string::npos) << "nothing on the console";
    const std::optional<LevelEntry> late = findLevel("l1050");
    ASSERT_TRUE(late);
    EXPECT_EQ(late->level.name, "l1050");
}

// The pack comes first, in its order, and its third level waits for the second's win: the
// Levels page passes over it, and the second's win offers it next and keeps what was won for
// the next game. With unlock_all every level is open from the start.
TEST_F(LevelPlay, APackLevelOpensOnceTheOneBeforeItIsWon) {
    startGame(std::string(kSmallWindowSettings) + "[game]\nunlock_all = true\n", writePack);
    EXPECT_TRUE(game->session.levelOpen(2, game->options.unlockAll));

    startGame(kSmallWindowSettings, writePack);
    input.tap(GLFW_KEY_P);
    frame();
    frame();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, then Levels
    }
    std::vector<std::string> names;
    std::vector<bool> open;
    for (std::size_t i = 0; i < game->session.levelList().size(); ++i) {
        names.push_back(game->session.levelList()[i].level.name);
        open.push_back(game->session.levelOpen(i, game->options.unlockAll));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"first", "second", "third", "The course"}));
    EXPECT_EQ(open, (std::vector<bool>{true, true, false, true}));
    EXPECT_EQ(levelRowLabel(game->session.levelList(), 2, false), "third  Win second to open");
    EXPECT_NE(console.text().find("ERROR::LEVEL::NOT_FOUND: assets/levels/pack.txt: missing\n"),
              std::string::npos)
        << console.text();
    frame();
    for (int key : {GLFW_KEY_UP, GLFW_KEY_SPACE}) {
        stroke(key);  // up from the course, past the third, to the second
    }
    ASSERT_EQ(game->session.played.level.name, "second");
    const fs::path wonFile = gameDirectory().dataHome() / "smeltrun/unlocked";
    EXPECT_FALSE(fs::exists(wonFile)) << "nothing won yet";

    holdUntil(GLFW_KEY_W, [this] { return game->session.results.has_value(); });
    ASSERT_TRUE(game->session.results) << console.text();
    EXPECT_EQ(contentsOf(wonFile), "smeltrun-unlocked 1\nsecond\n");
    const float wonIn = game->session.results->seconds;
    frame();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Retry, then Next level
    }
    EXPECT_EQ(game->session.played.level.name, "third");
    EXPECT_EQ(game->ui.hud.titleCard(clock.seconds())[0], "third");
    EXPECT_EQ(game->session.bestTimeOf(game->session.levelList()[1]), wonIn)
        << "the Levels page, which read the second's records before its win, shows the win";

    restartGame();
    EXPECT_TRUE(game->session.levelOpen(2, game->options.unlockAll))
        << "the next game reads what was won";
}

// The course's kept replay plays on the course as its level file builds it, frame by frame
// as it was recorded, to the same win.
TEST_F(LevelPlay, TheCoursesKeptReplayVerifiesOnItsLevelFile) {
    levelName = "course";
    startGame(kSmallWindowSettings);
    ReplayRead read = readReplayFile(fs::path(SMELTRUN_TEST_DATA_DIR) / "autoplay.replay");
    ASSERT_TRUE(read.replay) << read.reason;
    const std::size_t frames = read.replay->frames.size();
    game->startReplay(std::move(*read.replay));
    for (std::size_t i = 0; i <= frames && !glfwWindowShouldClose(game->window); ++i) {
        update();
    }
    EXPECT_FALSE(game->replayDiverged()) << console.text();
    EXPECT_NE(console.text().find("GAME WON! "), std::string::npos);
}

// A player standing still on a moving platform goes where it goes. It looks unlike a still one.
TEST_F(LevelPlay, AMovingPlatformCarriesAPlayerStandingOnIt) {
    startLevel("carried", kMovingLevel);
    EXPECT_EQ(game->platforms[0]->diffuseTexture, game->textures[moverDiffuse].get());
    for (int i = 0; i < 120; ++i) {
        frame();
    }
    const GameObject& platform = *game->platforms[0];
    EXPECT_NEAR(platform.position.x, 2.0f, 0.05f);
    EXPECT_EQ(game->player->position.x, platform.position.x);
    EXPECT_EQ(game->player->position.y, platform.position.y);
}

// A head start places a path's platform and a swing from the first frame; a rest holds a path's
// platform at its end; the player standing on it goes with it throughout.
TEST_F(LevelPlay, AHeadStartAndARestTimeHowPlatformsMove) {
    startLevel("timed", kTimedLevel);
    const GameObject& path = *game->platforms[0];
    const GameObject& swing = *game->platforms[1];
    EXPECT_EQ(path.position.x, 2.0f) << "placed before the first frame";
    const float aboard = game->player->position.x - path.position.x;
    // Seconds into the run: out, at rest at the far end, on the way back.
    for (const float until : {0.5f, 1.5f, 3.2f}) {
        for (int i = 0; i < kFrameLimit && game->totalTime < until; ++i) {
            frame();
        }
        SCOPED_TRACE("at " + std::to_string(game->totalTime) + " s");
        EXPECT_NEAR(path.position.x, timedPathX(1.0f + game->totalTime), 1e-3f);
        EXPECT_NEAR(swing.position.x, 999.0f + 2.0f * std::sin(game->totalTime + 1.5f), 1e-3f);
        EXPECT_NEAR(game->player->position.x - path.position.x, aboard, 1e-3f);
    }
    EXPECT_NEAR(aboard, -2.0f, 1e-3f) << "started where the head start put the platform";
}

// Whatever a run did, a retry starts the next one as the first started: the health pack is
// back, no checkpoint is reached, and each platform swings about where it stands, even at
// x = 999.
TEST_F(LevelPlay, ARetryStartsTheNextRunAsTheFirstStarted) {
    startLevel("far", kFarSwingLevel);
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        EXPECT_FALSE(game->run.checkpointReached());
        console.clear();
        for (int i = 0; i < 60; ++i) {
            frame();
        }
        EXPECT_NE(console.text().find("HEALTH PACK COLLECTED"), std::string::npos)
            << console.text();
        EXPECT_TRUE(game->run.checkpointReached());
        const float swung = 999.0f + 2.0f * std::sin(game->totalTime);
        EXPECT_GT(game->totalTime, 0.5f);
        EXPECT_NEAR(game->platforms[1]->position.x, swung, 1e-3f);
        game->retry();
    }
}

// Walking off the edge of a level below the course falls until the loss, which puts the
// player back at the start; there is no floor in the air at the course's height.
TEST_F(LevelPlay, WalkingOffALowLevelsEdgeFallsToTheLoss) {
    startLevel("deep", kDeepLevel);
    float lowest = game->player->position.y;
    bool lost = false;
    holdUntil(GLFW_KEY_D, [&] {
        lowest = std::min(lowest, game->player->position.y);
        lost = console.text().find("GAME LOST! ") != std::string::npos;
        return lost;
    });
    ASSERT_TRUE(lost) << "lowest " << lowest << "\n" << console.text();
    EXPECT_LT(lowest, -28.0f) << "fell to 8.5 below the platforms";
    EXPECT_EQ(game->player->position, glm::vec3(0.0f, -19.5f, 0.0f));
    EXPECT_EQ(game->totalTime, 0.0f);
}

}  // namespace
