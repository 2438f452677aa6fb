#include "app/session/LevelSession.h"

#include "app/events/EventWords.h"
#include "app/files/LevelProof.h"
#include "app/files/ReplayFile.h"
#include "base/Console.h"

namespace fs = std::filesystem;

namespace {

// A level as a replay names it, by its hash: its name is the file's to say, not the console's.
std::string levelWords(const std::string& hash) {
    return hash.empty() ? "the course" : "level " + hash;
}

}  // namespace

LevelSession::LevelSession(PlayedLevel level, const ReplaySettings& own)
    : played(std::move(level)),
      recording(SMELTRUN_VERSION, own, played.id.tag()),
      runSplits(played.level.checkpoints.size(), kNoSplit) {
    watchPlayedFile();
}

void LevelSession::changeLevel(PlayedLevel level, std::unique_ptr<LevelOwnFiles> own) {
    bestTimes[played.id.hash] = records.bestTime;
    ghostTrack.reset();
    bestRun.reset();
    ownFiles = std::move(own);
    played = std::move(level);
    watchPlayedFile();
}

void LevelSession::watchPlayedFile() {
    watch.reset();
    if (played.watched && !played.file.empty()) {
        watch.emplace(played.file);
    }
}

void LevelSession::loadRecords() {
    records = ::loadRecords(recordsPath());
    const fs::path best = replayPath();
    std::error_code error;
    if (best.empty() || !fs::exists(best, error)) {
        return;
    }
    ReplayRead read = readReplayFile(best);
    if (read.replay && read.replay->level.hash != played.id.hash) {
        read = {std::nullopt, "recorded on " + levelWords(read.replay->level.hash)};
    }
    if (!read.replay) {
        reportRefusedReplay(best, read.reason);
    }
    bestRun = std::move(read.replay);
}

void LevelSession::startRun(RunStart start) {
    runSplits.assign(played.level.checkpoints.size(), kNoSplit);
    partWay = start.checkpoint.has_value();
    if (start.replay) {
        recording.stop();  // what follows is not the player's run
        diverged = false;
        playback = Playback{std::move(*start.replay), start.after, 0, std::nullopt};
        return;
    }
    playback.reset();
    recording.startOver(start.settings, played.id.tag());
}

bool LevelSession::isPlayed(const LevelEntry& entry) const {
    return levelIdOf(entry) == played.id;
}

const std::vector<LevelEntry>& LevelSession::levelList() {
    if (!catalog) {
        catalog = findLevels();
        proofChecks = std::make_unique<ProofChecks>();
        for (std::size_t i = 0; i < catalog->size(); ++i) {
            LevelEntry& entry = (*catalog)[i];
            // A proof whose text names the level as it stands is played to be believed.
            if (!entry.shipped && !proofDoubt(entry)) {
                entry.proof = LevelProofState::Checking;
                proofChecks->check(i, proofFileOf(entry.file));
            }
        }
    }
    for (const auto& [place, verified] : proofChecks->takeVerdicts()) {
        (*catalog)[place].proof = verified ? LevelProofState::Verified : LevelProofState::None;
    }
    return *catalog;
}

void LevelSession::forgetLevelList() {
    catalog.reset();
    proofChecks.reset();
}

std::optional<std::size_t> LevelSession::playedPlace() {
    const std::vector<LevelEntry>& levels = levelList();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (isPlayed(levels[i])) {
            return i;
        }
    }
    return std::nullopt;
}

const LevelEntry* LevelSession::nextLevel(bool unlockAll) {
    const std::optional<std::size_t> place = playedPlace();
    if (!place || *place + 1 == levelList().size() || !levelOpen(*place + 1, unlockAll)) {
        return nullptr;
    }
    return &levelList()[*place + 1];
}

bool LevelSession::levelOpen(std::size_t place, bool unlockAll) {
    return unlockAll || isLevelOpen(levelList(), place, wonLevels());
}

// Read once for each level and kept, the played level's as its records change.
std::optional<float> LevelSession::bestTimeOf(const LevelEntry& entry) {
    if (isPlayed(entry)) {
        return records.bestTime;
    }
    const std::string hash = levelIdOf(entry).hash;
    auto known = bestTimes.find(hash);
    if (known == bestTimes.end()) {
        known = bestTimes.emplace(hash, ::loadRecords(levelRecordsFile(hash)).bestTime).first;
    }
    return known->second;
}

float LevelSession::bestSplitAt(std::size_t checkpoint) const {
    return checkpoint < records.bestSplits.size() ? records.bestSplits[checkpoint] : kNoSplit;
}

// Told after the win's own line, and only when an earlier best falls: a first win ever adds
// nothing to the console.
LevelSession::KeptRun LevelSession::keepWin(float seconds, int points) {
    const std::optional<RunFault> notRecord =
        partWay ? RunFault::PartWay
                : recordRunFault(recording.replay().settings.gravity, recording.longestFrame());
    std::optional<KeptWin> kept;
    if (notRecord) {
        printNotice(runFaultWords(*notRecord));
    } else {
        kept = ::keepWin(recordsPath(), Win{seconds, points, utcDateNow(), runSplits},
                         [this] { saveBestRun(); });
    }
    const std::vector<float> earlierSplits = records.bestSplits;
    if (kept) {
        records = kept->records;
    }
    Results shown{seconds, points, records.bestTime, kept && kept->bestTime, {}, notRecord};
    for (std::size_t i = 0; i < runSplits.size(); ++i) {
        const float earlier = i < earlierSplits.size() ? earlierSplits[i] : kNoSplit;
        shown.splits.push_back(Split{runSplits[i], earlier});
    }
    return KeptRun{kept && kept->beatenTime, std::move(shown)};
}

void LevelSession::keepPackWin() {
    const std::optional<std::size_t> place = playedPlace();
    // A section practised is not the level won.
    if (!place || !levelList()[*place].inPack || partWay) {
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

WonLevels& LevelSession::wonLevels() {
    if (!won) {
        won = loadWonLevels(wonLevelsPath());
    }
    return *won;
}

// A best time without the whole replay of its game (too long, or its settings changed during
// it), or whose replay could not be saved, leaves none, so that no older run stands for it.
void LevelSession::saveBestRun() {
    if (recording.whole() && saveReplay(recording.replay(), replayPath())) {
        bestRun = recording.replay();
        return;
    }
    bestRun.reset();
    std::error_code error;
    fs::remove(replayPath(), error);
}

fs::path LevelSession::recordsPath() const {
    return levelRecordsFile(played.id.hash);
}

fs::path LevelSession::replayPath() const {
    return levelReplayFile(played.id.hash);
}
