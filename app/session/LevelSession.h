#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/files/FileWatch.h"
#include "app/files/LevelCatalog.h"
#include "app/files/LevelOwnFiles.h"
#include "app/files/RecordsFile.h"
#include "app/session/PlayedLevel.h"
#include "app/session/ProofChecks.h"
#include "app/session/RunResults.h"
#include "gameplay/Ghost.h"
#include "gameplay/RecordRun.h"
#include "gameplay/Records.h"
#include "gameplay/Replay.h"

// What follows a replay's last frame: the game ends, as the replay's run did (--replay), or
// the pause panel comes back over a fresh start of the player's own game.
enum class AfterReplay { Close, Pause };

// Who plays a run from its start, and with which of the settings the rules read.
struct RunStart {
    // The player's own run, recorded for its replay; from a checkpoint (from 0) to practise a
    // section, which is no record.
    static RunStart own(ReplaySettings settings,
                        std::optional<std::size_t> checkpoint = std::nullopt) {
        return RunStart{settings, {}, {}, checkpoint};
    }
    // A replay watched, with the settings it was played with.
    static RunStart watched(Replay replay, AfterReplay after) {
        const ReplaySettings settings = replay.settings;
        return RunStart{settings, std::move(replay), after, std::nullopt};
    }

    ReplaySettings settings;  // the player's options, or a replay's header
    // Watched rather than played: its frames stand in for the clock and the player's input.
    std::optional<Replay> replay;
    AfterReplay after = AfterReplay::Close;
    std::optional<std::size_t> checkpoint;  // where an own run starts; none: the level's start
};

// The level played and what a game keeps of its runs there: the records and the best run, the
// run's recording or the replay that plays, its splits, the results of a win, and the levels
// that the Levels page lists with their wins and best times. It knows nothing of the scene:
// the game builds that from `played`.
class LevelSession {
public:
    LevelSession(PlayedLevel level, const ReplaySettings& own);

    // Takes that level in place of the one played, forgetting the old one's best run; its best
    // time, won in this game perhaps, is kept for the Levels page.
    void changeLevel(PlayedLevel level, std::unique_ptr<LevelOwnFiles> own);
    // The records and the best run, each reported in a line when damaged.
    void loadRecords();
    // The run's own part of a start: its splits, and its recording or the replay that plays.
    void startRun(RunStart start);

    // Whether the entry is the level played, as its records know it.
    bool isPlayed(const LevelEntry& entry) const;
    // The levels the Levels page lists, read when first asked for; the proofs of the player's
    // levels are checked from then on, and their verdicts taken as they come.
    const std::vector<LevelEntry>& levelList();
    // The list is read again when next asked for: a level was saved.
    void forgetLevelList();
    // The level after the one played in that list, if there is one and it is open.
    const LevelEntry* nextLevel(bool unlockAll);
    // Whether the player may choose the level at that place in the list: every level with
    // `unlockAll`.
    bool levelOpen(std::size_t place, bool unlockAll);
    // The player's best time in that level, if any.
    std::optional<float> bestTimeOf(const LevelEntry& entry);
    float bestSplitAt(std::size_t checkpoint) const;

    using Split = RunSplit;
    using Results = RunResults;
    // A win, as the records keep it.
    struct KeptRun {
        bool beatenTime;  // an earlier best time fell
        Results results;  // the run set against the best run before it
    };
    // Adds the run's win to the records when it was a record run, else says why on the
    // console; its replay is saved when it is the best.
    KeptRun keepWin(float seconds, int points);
    // A pack level's win opens the level after it, in this game and the next ones; kept in
    // this game even when the file cannot be written, which is reported.
    void keepPackWin();

    PlayedLevel played;
    // The level's own models and images, which its pieces share. GL objects: released while
    // the context is current.
    std::unique_ptr<LevelOwnFiles> ownFiles;
    Records records;  // the player's, as the file last read or written held them
    // This game's frames, for its replay should it win the best time.
    ReplayRecorder recording;
    // While a replay plays, its frames stand in for the clock and the player.
    struct Playback {
        Replay replay;
        AfterReplay after = AfterReplay::Close;
        std::size_t next = 0;                 // the frame to play
        std::optional<std::size_t> wonAfter;  // the frames played when the win came
    };
    std::optional<Playback> playback;
    bool diverged = false;  // a frame of the last replay came out otherwise than recorded
    bool partWay = false;   // the run started at a checkpoint: no record, no win of the pack
    // The played level's file, while it is one to read again when it changes.
    std::optional<FileWatch> watch;
    std::optional<Replay> bestRun;  // the player's, if any: to watch again, and the ghost's
    std::optional<GhostTrack> ghostTrack;
    // The run's seconds at each of the level's checkpoints, or kNoSplit.
    std::vector<float> runSplits;
    std::optional<Results> results;

private:
    // The played level's place in levelList(), if it is there.
    std::optional<std::size_t> playedPlace();
    // The pack's levels won, read when first asked for.
    WonLevels& wonLevels();
    void saveBestRun();
    void watchPlayedFile();
    std::filesystem::path recordsPath() const;
    std::filesystem::path replayPath() const;

    std::optional<std::vector<LevelEntry>> catalog;
    std::unique_ptr<ProofChecks> proofChecks;  // of the catalog's levels
    std::optional<WonLevels> won;
    std::map<std::string, std::optional<float>> bestTimes;  // by level hash, as first read
};
