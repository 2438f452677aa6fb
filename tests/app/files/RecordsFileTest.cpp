#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "app/files/RecordsFile.h"
#include "gameplay/LevelLayout.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FileText.h"
#include "tests/support/GameFixture.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const char* const kOneWin =
    "smeltrun-records 1\n"
    "best_time 30\n"
    "best_score 12000\n"
    "win 30 12000 2024-04-30T08:00:00Z\n";
const char* const kDate = "2024-05-01T00:00:00Z";

fs::path recordsIn(const fs::path& dataHome) {
    return dataHome / "smeltrun" / "records";
}

TEST(RecordsFile, AWriteCutShortLeavesTheEarlierRecordsWhole) {
    GameDirectory directory("");
    const fs::path path = recordsIn(directory.dataHome());
    writeFile(path, kOneWin);
    // What a crash between the temporary file and the rename leaves beside the records.
    writeFile(path.parent_path() / ".records.a1B2c3", "smeltrun-records 1\nwin 2");

    StdoutCapture console;
    bool bestSaved = false;
    std::optional<KeptWin> kept;
    {
        const FileSizeLimit fullDisk(16);
        kept = keepWin(path, Win{20.0f, 15000, kDate, {}}, [&] { bestSaved = true; });
    }
    EXPECT_FALSE(kept);
    EXPECT_FALSE(bestSaved) << "nothing is saved for a best that was not kept";
    EXPECT_EQ(console.lines(),
              Lines{"ERROR::RECORDS::SAVE_FAILED: " + path.string() + ": File too large"});
    EXPECT_EQ(contentsOf(path), kOneWin);

    kept = keepWin(path, Win{20.0f, 15000, kDate, {}}, [&] { bestSaved = true; });
    ASSERT_TRUE(kept);
    EXPECT_TRUE(bestSaved);
    EXPECT_EQ(kept->beatenTime, 30.0f);
    EXPECT_EQ(loadRecords(path).wins.size(), 2u);
}

// Each child stands for a game that wins again and again while the other does too.
TEST(RecordsFile, TwoGamesWinningAtOnceKeepEveryWin) {
    GameDirectory directory("");
    const fs::path path = recordsIn(directory.dataHome());
    const int kWinsEach = 10;  // two games' worth fill the twenty kept
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            for (int i = 0; i < kWinsEach; ++i) {
                const float seconds = 100.0f - static_cast<float>(child * kWinsEach + i);
                keepWin(path, Win{seconds, child * 100 + i, kDate, {}}, nullptr);
            }
            _exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::set<int> kept;
    for (const Win& win : loadRecords(path).wins) {
        kept.insert(win.points);
    }
    const std::set<int> every{0,   1,   2,   3,   4,   5,   6,   7,   8,   9,
                              100, 101, 102, 103, 104, 105, 106, 107, 108, 109};
    EXPECT_EQ(kept, every);
    EXPECT_EQ(loadRecords(path).bestTime, 81.0f);
}

// The lock is made beside the records and nowhere else, whatever stands in its place; a
// failure names the lock.
TEST(RecordsFile, TheLockFollowsNoLinkAndItsFailuresNameIt) {
    GameDirectory directory("");
    const fs::path path = recordsIn(directory.dataHome());
    writeFile(path, kOneWin);
    const fs::path lock = path.string() + ".lock";
    const fs::path outside = directory.path() / "outside" / "made";
    fs::create_directories(outside.parent_path());
    fs::create_symlink(outside, lock);

    StdoutCapture console;
    EXPECT_EQ(loadRecords(path).bestTime, 30.0f) << "read all the same";
    EXPECT_FALSE(keepWin(path, Win{20.0f, 15000, kDate, {}}, nullptr));
    EXPECT_EQ(console.lines(), Lines{"ERROR::RECORDS::SAVE_FAILED: " + lock.string() +
                                     ": Too many levels of symbolic links"});
    EXPECT_FALSE(fs::exists(outside));

    console.clear();
    fs::remove(lock);
    fs::create_directory(lock);
    EXPECT_FALSE(keepWin(path, Win{20.0f, 15000, kDate, {}}, nullptr));
    EXPECT_EQ(console.lines(),
              Lines{"ERROR::RECORDS::SAVE_FAILED: " + lock.string() + ": Is a directory"});
    EXPECT_EQ(contentsOf(path), kOneWin);
}

class RecordsGame : public GameFixture {};

// A FIFO with no writer would block a plain open for good. In place of the player's files it
// is named in a line each, the game starts, and a win leaves it as it was.
TEST_F(RecordsGame, FifosInPlaceOfThePlayersFilesNeitherHoldTheStartNorAreReplaced) {
    fs::path records;
    fs::path mappings;
    startGame(kWindowedSettings, [&](const fs::path& directory) {
        records = recordsIn(directory / "data");
        mappings = directory / "config" / "smeltrun" / "gamecontrollerdb.txt";
        for (const fs::path& fifo : {records, mappings}) {
            fs::create_directories(fifo.parent_path());
            ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        }
    });
    const std::string unreadable =
        "ERROR::RECORDS::UNREADABLE: " + records.string() + ": not a regular file";
    const Lines start = console.lines();
    ASSERT_GE(start.size(), 3u);
    EXPECT_EQ(std::set<std::string>(start.begin(), start.begin() + 2),
              (std::set<std::string>{
                  "ERROR::GAMEPAD::MAPPINGS_IGNORED: " + mappings.string() + ": not a regular file",
                  unreadable}));
    EXPECT_EQ(start[2], "Smeltrun");

    frame();
    console.clear();
    game->player->setPosition(level::kGoalPosition);
    frame();
    ASSERT_EQ(console.lines().size(), 2u) << console.text();
    EXPECT_EQ(console.lines()[0].rfind("GAME WON! ", 0), 0u);
    EXPECT_EQ(console.lines()[1], unreadable) << "the win is not kept over it";
    EXPECT_TRUE(fs::is_fifo(records));
}

TEST_F(RecordsGame, ADamagedFileIsSetAsideInOneLineAndTheNextWinStartsAfresh) {
    const std::string damaged = "smeltrun-records 1\nwin 20 fast\n";
    fs::path records;
    startGame(kWindowedSettings, [&](const fs::path& directory) {
        records = recordsIn(directory / "data");
        writeFile(records, damaged);
    });
    const Lines start = console.lines();
    const std::string report = "ERROR::RECORDS::DAMAGED_FILE_SET_ASIDE: ";
    ASSERT_GE(start.size(), 2u);
    EXPECT_EQ(start[0].rfind(report + records.string() + ".damaged-", 0), 0u) << start[0];
    EXPECT_EQ(start[1], "Smeltrun") << "one line, before the banner";
    EXPECT_EQ(contentsOf(start[0].substr(report.size())), damaged);
    EXPECT_FALSE(fs::exists(records));

    frame();
    console.clear();
    game->player->setPosition(level::kGoalPosition);
    frame();
    ASSERT_EQ(console.lines().size(), 1u) << "the first win of fresh records: " << console.text();
    EXPECT_EQ(console.lines()[0].rfind("GAME WON! ", 0), 0u);
    EXPECT_EQ(loadRecords(records).wins.size(), 1u);
}

// The best run's replay and the best time go together: a new best whose replay cannot be
// saved leaves no older run beside it.
TEST_F(RecordsGame, ANewBestWhoseReplayCannotBeSavedKeepsNoOlderReplay) {
    fs::path best;
    startGame(kWindowedSettings, [&](const fs::path& directory) {
        writeFile(recordsIn(directory / "data"), kOneWin);
        best = recordsIn(directory / "data").parent_path() / "best.replay";
        fs::copy_file(fs::path(SMELTRUN_TEST_DATA_DIR) / "autoplay.replay", best);
    });
    ASSERT_TRUE(game->session.bestRun);
    for (int i = 0; i < 20; ++i) {
        frame();  // a replay of some two kilobytes
    }
    console.clear();
    game->player->setPosition(level::kGoalPosition);
    {
        const FileSizeLimit fullDisk(1024);  // room for the records, not for the replay
        frame();
    }
    const Lines lines = console.lines();
    ASSERT_EQ(lines.size(), 3u) << console.text();
    EXPECT_EQ(lines[1].rfind("ERROR::REPLAY::SAVE_FAILED: " + best.string(), 0), 0u);
    EXPECT_EQ(lines[2].rfind("NEW BEST TIME", 0), 0u) << lines[2];
    EXPECT_LT(*loadRecords(best.parent_path() / "records").bestTime, 30.0f);
    EXPECT_FALSE(fs::exists(best));
    EXPECT_FALSE(game->session.bestRun) << "nor is it offered to watch";
}

}  // namespace
