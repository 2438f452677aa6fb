#include "app/files/RecordsFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>

#include "base/AtomicFile.h"
#include "base/Console.h"
#include "base/FileRead.h"
#include "base/PlayerFolders.h"

namespace fs = std::filesystem;

namespace {

const char* const kFileName = "records";
const char* const kWonLevelsFileName = "unlocked";
const char* const kLockSuffix = ".lock";
const char* const kLevelRecordsFolder = "level-records";
const char* const kDamagedSuffix = ".damaged-";
const char* const kDateFormat = "%Y-%m-%dT%H:%M:%SZ";
const char* const kStampFormat = "%Y%m%dT%H%M%SZ";  // fit for a file name
const std::uintmax_t kMaxFileBytes = 1 << 16;       // twenty wins take about 1 KB
const int kMostAsides = 100;  // damaged files set aside within the same second

// An exclusive lock on the lock file beside the records, held for as long as this lives.
// The kernel lets it go if the game dies holding it. A link in the lock's place is never
// followed, so that the lock cannot make a file anywhere else.
class RecordsLock {
public:
    explicit RecordsLock(const fs::path& records)
        : path(records.string() + kLockSuffix),
          descriptor(
              open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644)) {
        if (descriptor < 0) {
            error = std::strerror(errno);
            return;
        }
        struct stat status {};
        if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
            error = "not a regular file";
            return;
        }
        while (flock(descriptor, LOCK_EX) != 0) {
            if (errno != EINTR) {
                error = std::strerror(errno);
                return;
            }
        }
    }
    ~RecordsLock() {
        if (descriptor >= 0) {
            close(descriptor);
        }
    }
    RecordsLock(const RecordsLock&) = delete;
    RecordsLock& operator=(const RecordsLock&) = delete;

    const fs::path& file() const { return path; }
    // Why the lock is not held; empty when it is.
    const std::string& failure() const { return error; }

private:
    fs::path path;
    int descriptor;
    std::string error;
};

std::string utcNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, format, &parts));
}

void reportSaveFailure(const fs::path& path, const std::string& reason) {
    printLine("ERROR::RECORDS::SAVE_FAILED: ", path.string(), ": ", reason);
}

// A name beside the damaged file that nothing holds yet.
fs::path asideName(const fs::path& path) {
    const std::string stem = path.string() + kDamagedSuffix + utcNow(kStampFormat);
    fs::path aside = stem;
    std::error_code error;
    for (int copy = 2; fs::exists(aside, error) && copy <= kMostAsides; ++copy) {
        aside = stem + "-" + std::to_string(copy);
    }
    return aside;
}

// Moves a damaged file out of the way, so that a fresh one can start without losing it.
bool setAside(const fs::path& path) {
    const fs::path aside = asideName(path);
    std::error_code error;
    fs::rename(path, aside, error);
    if (error) {
        printLine("ERROR::RECORDS::DAMAGED_FILE_KEPT: ", path.string(), ": ", error.message());
        return false;
    }
    printLine("ERROR::RECORDS::DAMAGED_FILE_SET_ASIDE: ", aside.string());
    return true;
}

// What the file holds (the records, or the levels won), with the lock held: empty when there
// is none, or when a damaged one was set aside; nothing when one is still in the way. A file
// that cannot be read is not known to be damaged, and is left where it is untouched.
template <typename Kept>
std::optional<Kept> readLocked(const fs::path& path,
                               std::optional<Kept> (*parse)(std::string_view text)) {
    const FileText file = readWholeFile(path, kMaxFileBytes, "larger than any records");
    switch (file.refusal) {
        case FileRefusal::Missing:
            return Kept{};
        case FileRefusal::Unreadable:
            printLine("ERROR::RECORDS::UNREADABLE: ", path.string(), ": ", file.reason);
            return std::nullopt;
        case FileRefusal::TooLarge:
        case FileRefusal::None:
            break;
    }
    if (file.text) {
        if (std::optional<Kept> kept = parse(*file.text)) {
            return kept;
        }
    }
    return setAside(path) ? std::optional<Kept>(Kept{}) : std::nullopt;
}

// What the file holds, as readLocked reads it: none when there is no file, or a damaged one
// is in the way.
template <typename Kept>
Kept load(const fs::path& path, std::optional<Kept> (*parse)(std::string_view text)) {
    std::error_code error;
    // No file, no lock file either: a player without records finds nothing new on the disk.
    if (path.empty() || !fs::exists(path, error)) {
        return {};
    }
    const RecordsLock lock(path);
    return readLocked(path, parse).value_or(Kept{});
}

// The lock on the file, its folder made, for a change to it; nothing, after a line saying why,
// when it cannot be had.
std::unique_ptr<RecordsLock> lockToChange(const fs::path& path, const char* fileName) {
    if (path.empty()) {
        reportSaveFailure(std::string("smeltrun/") + fileName,
                          "neither XDG_DATA_HOME nor HOME is an absolute path");
        return nullptr;
    }
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    auto lock = std::make_unique<RecordsLock>(path);
    if (!lock->failure().empty()) {
        reportSaveFailure(lock->file(), lock->failure());
        return nullptr;
    }
    return lock;
}

bool writeReporting(const fs::path& path, const std::string& text) {
    const WriteResult written = writeFileAtomically(path, text);
    if (!written.ok) {
        reportSaveFailure(path, written.reason);
    }
    return written.ok;
}

}  // namespace

fs::path recordsPath() {
    const fs::path folder = playerDataFolder();
    return folder.empty() ? folder : folder / kFileName;
}

fs::path levelRecordsFile(const std::string& hash) {
    if (hash.empty()) {
        return recordsPath();
    }
    const fs::path folder = playerDataFolder();
    return folder.empty() ? folder : folder / kLevelRecordsFolder / (hash + ".records");
}

std::string utcDateNow() {
    return utcNow(kDateFormat);
}

Records loadRecords(const fs::path& path) {
    return load(path, parseRecords);
}

std::optional<KeptWin> keepWin(const fs::path& path, const Win& win,
                               const std::function<void()>& whileBest) {
    const std::unique_ptr<RecordsLock> lock = lockToChange(path, kFileName);
    if (!lock) {
        return std::nullopt;
    }
    const std::optional<Records> before = readLocked(path, parseRecords);
    if (!before) {
        return std::nullopt;
    }
    const bool bestTime = !before->bestTime || win.seconds < *before->bestTime;
    KeptWin kept{withWin(*before, win), bestTime ? before->bestTime : std::nullopt, bestTime};
    if (!writeReporting(path, recordsText(kept.records))) {
        return std::nullopt;
    }
    if (bestTime && whileBest) {
        whileBest();
    }
    return kept;
}

fs::path wonLevelsPath() {
    const fs::path folder = playerDataFolder();
    return folder.empty() ? folder : folder / kWonLevelsFileName;
}

WonLevels loadWonLevels(const fs::path& path) {
    return load(path, parseWonLevels);
}

std::optional<WonLevels> keepWonLevel(const fs::path& path, const std::string& name) {
    const std::unique_ptr<RecordsLock> lock = lockToChange(path, kWonLevelsFileName);
    if (!lock) {
        return std::nullopt;
    }
    std::optional<WonLevels> won = readLocked(path, parseWonLevels);
    if (!won || !won->insert(name).second) {
        return won;
    }
    return writeReporting(path, wonLevelsText(*won)) ? won : std::nullopt;
}
