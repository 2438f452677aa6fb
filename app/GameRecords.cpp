#include "app/Game.h"
#include "app/RecordsFile.h"
#include "app/ReplayFile.h"

namespace fs = std::filesystem;

// The records and the best run, each reported in a line before the banner when damaged.
void Game::initRecords() {
    records = loadRecords(recordsPath());
    const fs::path best = bestReplayPath();
    std::error_code error;
    if (best.empty() || !fs::exists(best, error)) {
        return;
    }
    ReplayRead read = readReplayFile(best);
    if (!read.replay) {
        reportRefusedReplay(best, read.reason);
    }
    bestRun = std::move(read.replay);
}

// Told after the win's own line, and only when an earlier best falls: a first win ever adds
// nothing to the console.
void Game::keepWin(const Event& won, double now) {
    const std::optional<KeptWin> kept = ::keepWin(
        recordsPath(), Win{won.seconds, won.points, utcDateNow()}, [this] { saveBestRun(); });
    if (!kept) {
        return;
    }
    records = kept->records;
    if (kept->beatenTime) {
        tell(Event::newBestTime(won.seconds), now);
    }
}

// A best time without the whole replay of its game (too long, or its settings changed during
// it) leaves none, so that no older run stands for it.
void Game::saveBestRun() {
    if (recording.whole()) {
        saveReplay(recording.replay(), bestReplayPath());
        return;
    }
    std::error_code error;
    fs::remove(bestReplayPath(), error);
}
