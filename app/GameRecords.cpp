#include "app/EventWords.h"
#include "app/Game.h"
#include "app/RecordsFile.h"
#include "app/ReplayFile.h"
#include "base/Console.h"

namespace fs = std::filesystem;

namespace {

// A level as a replay names it, by its hash: its name is the file's to say, not the console's.
std::string levelWords(const std::string& hash) {
    return hash.empty() ? "the course" : "level " + hash;
}

}  // namespace

// The records and the best run, each reported in a line before the banner when damaged.
void Game::initRecords() {
    records = loadRecords(levelRecordsPath());
    const fs::path best = levelReplayPath();
    std::error_code error;
    if (best.empty() || !fs::exists(best, error)) {
        return;
    }
    ReplayRead read = readReplayFile(best);
    if (read.replay && read.replay->level.hash != played.hash) {
        read = {std::nullopt, "recorded on " + levelWords(read.replay->level.hash)};
    }
    if (!read.replay) {
        reportRefusedReplay(best, read.reason);
    }
    bestRun = std::move(read.replay);
}

// Told after the win's own line, and only when an earlier best falls: a first win ever adds
// nothing to the console.
void Game::keepWin(const Event& won, double now) {
    const std::optional<RunFault> notRecord =
        recordRunFault(recording.replay().settings.gravity, recording.longestFrame());
    std::optional<KeptWin> kept;
    if (notRecord) {
        printNotice(runFaultWords(*notRecord));
    } else {
        kept = ::keepWin(levelRecordsPath(), Win{won.seconds, won.points, utcDateNow(), runSplits},
                         [this] { saveBestRun(); });
    }
    // The results set the run against the best run before it.
    const std::vector<float> earlierSplits = records.bestSplits;
    if (kept) {
        records = kept->records;
        if (kept->beatenTime) {
            tell(Event::newBestTime(won.seconds), now);
        }
    }
    if (played.chosen) {
        keepPackWin();
        showResults(won, kept, earlierSplits, notRecord);
    }
}

// Kept in this game even when the file cannot be written, which is reported.
void Game::keepPackWin() {
    const std::optional<std::size_t> place = playedPlace();
    if (!place || !levelList()[*place].inPack) {
        return;
    }
    const std::string& key = levelList()[*place].key;
    if (!wonLevels().insert(key).second) {
        return;
    }
    if (const std::optional<WonLevels> kept = keepWonLevel(wonLevelsPath(), key)) {
        won->insert(kept->begin(), kept->end());
    }
}

WonLevels& Game::wonLevels() {
    if (!won) {
        won = loadWonLevels(wonLevelsPath());
    }
    return *won;
}

float Game::bestSplitAt(std::size_t checkpoint) const {
    return checkpoint < records.bestSplits.size() ? records.bestSplits[checkpoint] : kNoSplit;
}

// A best time without the whole replay of its game (too long, or its settings changed during
// it), or whose replay could not be saved, leaves none, so that no older run stands for it.
void Game::saveBestRun() {
    if (recording.whole() && saveReplay(recording.replay(), levelReplayPath())) {
        bestRun = recording.replay();
        return;
    }
    bestRun.reset();
    std::error_code error;
    fs::remove(levelReplayPath(), error);
}

fs::path Game::levelRecordsPath() const {
    return levelRecordsFile(played.hash);
}

fs::path Game::levelReplayPath() const {
    return levelReplayFile(played.hash);
}

// Read once for each level and kept, the played level's as its records change.
std::optional<float> Game::bestTimeOf(const LevelEntry& entry) {
    const std::string hash = playedLevel(entry, false).hash;
    if (hash == played.hash) {
        return records.bestTime;
    }
    auto known = bestTimes.find(hash);
    if (known == bestTimes.end()) {
        known = bestTimes.emplace(hash, loadRecords(levelRecordsFile(hash)).bestTime).first;
    }
    return known->second;
}
