#include "app/files/LevelCatalog.h"

#include <algorithm>
#include <set>

#include "app/files/LevelOwnFiles.h"
#include "app/settings/Translate.h"
#include "base/Console.h"
#include "base/FileRead.h"
#include "base/PlayerFolders.h"
#include "gameplay/LevelFile.h"
#include "gameplay/LevelPack.h"

namespace fs = std::filesystem;

namespace {

const char* const kShippedFolder = "assets/levels";
const char* const kPlayerFolder = "levels";
const char* const kExtension = ".toml";
const char* const kFolderLevelFile = "level.toml";
// A folder lists its first levels by name; the rest are named on standard error, and found
// by --level NAME all the same.
const std::size_t kMaxLevelsPerFolder = 1000;
const std::size_t kMaxNamesLeftOutShown = 100;  // then a count of the rest
const char* const kPackFile = "assets/levels/pack.txt";
const std::uintmax_t kMaxPackBytes = 1 << 16;  // bytes; a thousand names take about 20 KB
const std::size_t kOpenFromStart = 2;          // the pack's levels open before any win

// The level file that NAME.toml or NAME/level.toml in `folder` is, with its NAME.
std::optional<std::pair<std::string, fs::path>> levelFileAt(const fs::directory_entry& entry) {
    std::error_code error;
    const fs::path path = entry.path();
    if (entry.is_directory(error)) {
        const fs::path inside = path / kFolderLevelFile;
        if (fs::exists(inside, error)) {
            return std::make_pair(path.filename().string(), inside);
        }
        return std::nullopt;
    }
    if (path.extension() == kExtension) {
        return std::make_pair(path.stem().string(), path);
    }
    return std::nullopt;
}

// The names past the cap, on standard error: the console's lines stay the game's own.
void reportLeftOut(const fs::path& folder,
                   const std::vector<std::pair<std::string, fs::path>>& leftOut) {
    std::string names;
    const std::size_t shown = std::min(leftOut.size(), kMaxNamesLeftOutShown);
    for (std::size_t i = 0; i < shown; ++i) {
        names += (i == 0 ? "" : ", ") + leftOut[i].first;
    }
    if (shown < leftOut.size()) {
        names += ", and " + std::to_string(leftOut.size() - shown) + " more";
    }
    printNotice(folder.string(), ": ", leftOut.size(), " levels past the first ",
                kMaxLevelsPerFolder, " by name are not listed: ", names);
}

// The level files in the folder, by NAME: the first kMaxLevelsPerFolder of them.
std::vector<std::pair<std::string, fs::path>> levelFilesIn(const fs::path& folder) {
    std::vector<std::pair<std::string, fs::path>> found;
    std::error_code error;
    if (folder.empty() || !fs::is_directory(folder, error)) {
        return found;
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (auto file = levelFileAt(*it)) {
            found.push_back(std::move(*file));
        }
    }
    std::sort(found.begin(), found.end());
    if (found.size() > kMaxLevelsPerFolder) {
        reportLeftOut(folder, {found.begin() + kMaxLevelsPerFolder, found.end()});
        found.resize(kMaxLevelsPerFolder);
    }
    return found;
}

// The level file called `name` in the folder, looked for rather than listed, as the listing
// would find it: NAME/level.toml before NAME.toml.
std::optional<fs::path> levelFileNamed(const fs::path& folder, const std::string& name) {
    if (folder.empty() || name.empty() || name == "." || name == "..") {
        return std::nullopt;
    }
    for (const fs::path& candidate : {folder / name, folder / (name + kExtension)}) {
        std::error_code error;
        const fs::directory_entry entry(candidate, error);
        if (error || !entry.exists(error)) {
            continue;
        }
        if (auto file = levelFileAt(entry); file && file->first == name) {
            return file->second;
        }
    }
    return std::nullopt;
}

// Why one of the level's own files cannot serve: missing, or reached through a link that
// leads out of the level's folder.
std::optional<std::string> ownFileFault(const fs::path& folder, const std::string& own) {
    std::error_code error;
    const fs::path file = fs::weakly_canonical(folder / own, error);
    const fs::path inside = fs::weakly_canonical(folder, error);
    if (error || !fs::is_regular_file(file, error)) {
        return own + " is missing";
    }
    const auto [end, _] = std::mismatch(inside.begin(), inside.end(), file.begin(), file.end());
    if (end != inside.end()) {
        return own + " lies outside the level's folder";
    }
    return std::nullopt;
}

// The hashes of the level's own files, each file once however the pieces spell it, in the
// order the pieces first name them; or why one cannot serve, told at the key that names it.
// They are read within the budget that the game loads them in: a file that would pass it is
// not read.
struct OwnFileHashes {
    std::vector<std::string> hashes;
    std::optional<std::string> fault;
};

OwnFileHashes hashOwnFiles(const LevelRead& level, const fs::path& file) {
    OwnFileHashes read;
    std::set<fs::path> seen;
    std::uintmax_t left = kMaxOwnFileBytes;
    const fs::path folder = fs::absolute(file).parent_path();
    for (const PieceRef piece : piecesInBuildOrder(*level.level)) {
        const PieceLook& look = lookOf(*level.level, piece);
        const PiecePlaces& places = level.places.of(piece);
        for (const bool model : {true, false}) {
            const std::string& own = model ? look.model : look.image;
            if (own.empty()) {
                continue;
            }
            const auto refuse = [&](const std::string& why) {
                read.fault = placedText(file.string(), model ? places.model : places.image,
                                        lookKeyName(piece, model) + ": " + why);
                return read;
            };
            if (const std::optional<std::string> fault = ownFileFault(folder, own)) {
                return refuse(*fault);
            }
            std::error_code error;
            if (!seen.insert(fs::weakly_canonical(folder / own, error)).second) {
                continue;
            }
            const FileText bytes = readWholeFile(folder / own, left, "past the budget");
            if (!bytes.text) {
                return refuse(bytes.refusal == FileRefusal::TooLarge
                                  ? "its own files hold more than " + ownFileBudgetText()
                                  : own + ": " + bytes.reason);
            }
            left -= bytes.text->size();
            read.hashes.push_back(levelHashText(levelHash(*bytes.text)));
        }
    }
    return read;
}

// A level is its file and its own files: another model under the same name is another level.
// A level without own files keeps the hash of its file alone, which its records and replays
// were kept under.
std::string levelIdentity(const std::string& text, const std::vector<std::string>& ownHashes) {
    if (ownHashes.empty()) {
        return levelHashText(levelHash(text));
    }
    std::string identity = text;
    for (const std::string& own : ownHashes) {
        identity += "\n" + own;
    }
    return levelHashText(levelHash(identity));
}

std::optional<LevelEntry> readLevelAs(const std::string& key, const fs::path& file,
                                      std::string* problem = nullptr) {
    const auto refuse = [problem](const std::string& what) {
        printProblem("ERROR::LEVEL::INVALID: ", what);
        if (problem) {
            *problem = what;
        }
        return std::nullopt;
    };
    const FileText text = readWholeFile(file, kMaxLevelBytes, "larger than any level");
    if (!text.text) {
        return refuse(file.string() + ": " + text.reason);
    }
    LevelRead read = parseLevel(*text.text, file.string());
    for (const std::string& warning : read.warnings) {
        printProblem("WARNING::LEVEL::UNKNOWN_KEY: ", warning);
    }
    if (read.goalAtStart) {
        printProblem("WARNING::LEVEL::GOAL_AT_START: ", *read.goalAtStart);
    }
    if (!read.level) {
        return refuse(read.error);
    }
    const OwnFileHashes own = hashOwnFiles(read, file);
    if (own.fault) {
        return refuse(*own.fault);
    }
    // The game may change its working directory after reading it: its own files are found
    // from where it lies.
    return LevelEntry{key,
                      fs::absolute(file),
                      std::move(*read.level),
                      levelIdentity(*text.text, own.hashes),
                      false,
                      false,
                      std::move(read.places)};
}

// The pack's names in their order; none when the game has no pack file.
std::vector<std::string> packOrder() {
    std::error_code error;
    if (!fs::exists(kPackFile, error)) {
        return {};
    }
    const FileText text = readWholeFile(kPackFile, kMaxPackBytes, "larger than any pack list");
    if (!text.text) {
        printProblem("ERROR::LEVEL::INVALID: ", kPackFile, ": ", text.reason);
        return {};
    }
    return parsePackOrder(*text.text);
}

// Moves the files that the pack names to the front, in its order, the rest staying by name;
// how many it moved. A name without a file is reported.
std::size_t putPackFirst(std::vector<std::pair<std::string, fs::path>>& files) {
    std::size_t packed = 0;
    for (const std::string& name : packOrder()) {
        const auto file = std::find_if(files.begin() + packed, files.end(),
                                       [&name](const auto& found) { return found.first == name; });
        if (file == files.end()) {
            printProblem("ERROR::LEVEL::NOT_FOUND: ", kPackFile, ": ", name);
            continue;
        }
        std::rotate(files.begin() + packed, file, file + 1);
        ++packed;
    }
    return packed;
}

std::vector<fs::path> levelFolders() {
    return {kShippedFolder, playerLevelsFolder()};
}

}  // namespace

fs::path playerLevelsFolder() {
    const fs::path data = playerDataFolder();
    return data.empty() ? data : data / kPlayerFolder;
}

std::string levelKeyOf(const fs::path& file) {
    const bool inFolder = file.filename() == kFolderLevelFile;
    return inFolder ? file.parent_path().filename().string() : file.stem().string();
}

std::optional<LevelEntry> readLevelFile(const fs::path& file, std::string* problem) {
    return readLevelAs(levelKeyOf(file), file, problem);
}

std::vector<LevelEntry> findLevels() {
    std::vector<std::pair<std::string, fs::path>> files = levelFilesIn(kShippedFolder);
    const std::size_t packed = putPackFirst(files);
    const std::size_t shipped = files.size();
    const std::vector<std::pair<std::string, fs::path>> own = levelFilesIn(playerLevelsFolder());
    files.insert(files.end(), own.begin(), own.end());
    std::vector<LevelEntry> levels;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (auto entry = readLevelAs(files[i].first, files[i].second)) {
            entry->inPack = i < packed;
            entry->shipped = i < shipped;
            levels.push_back(std::move(*entry));
        }
    }
    return levels;
}

bool isLevelOpen(const std::vector<LevelEntry>& levels, std::size_t place, const WonLevels& won) {
    // The pack's levels come first, so a pack level's place is its place in the pack.
    const LevelEntry& level = levels[place];
    return !level.inPack || place < kOpenFromStart || won.count(level.key) != 0 ||
           won.count(levels[place - 1].key) != 0;
}

bool namesLevelFile(const std::string& nameOrPath) {
    return nameOrPath.find('/') != std::string::npos ||
           fs::path(nameOrPath).extension() == kExtension;
}

std::optional<LevelEntry> findLevel(const std::string& nameOrPath) {
    if (namesLevelFile(nameOrPath)) {
        return readLevelFile(nameOrPath);
    }
    for (const fs::path& folder : levelFolders()) {
        if (const std::optional<fs::path> file = levelFileNamed(folder, nameOrPath)) {
            std::optional<LevelEntry> entry = readLevelAs(nameOrPath, *file);
            if (entry) {
                entry->shipped = folder == kShippedFolder;
            }
            return entry;
        }
    }
    printLine("ERROR::LEVEL::NOT_FOUND: ", nameOrPath);
    return std::nullopt;
}

bool hasLevelNamed(const std::string& name) {
    for (const fs::path& folder : levelFolders()) {
        if (levelFileNamed(folder, name)) {
            return true;
        }
    }
    return false;
}

std::string shownName(const Level& level, bool shipped) {
    // The empty text's translation is the catalogue's header.
    return shownText(shipped && !level.name.empty() ? tr(level.name.c_str()) : level.name);
}

std::optional<LevelEntry> levelOfReplay(const ReplayLevel& tag, const std::string& replayFile) {
    for (LevelEntry& entry : findLevels()) {
        if (entry.hash == tag.hash) {
            return std::move(entry);
        }
    }
    printLine("ERROR::REPLAY::REFUSED: ", replayFile, ": its level, ", tag.name,
              ", is not installed as it was when it was played");
    return std::nullopt;
}
