#include "gameplay/LevelFile.h"

// The one file that reads TOML: toml++ is slow to compile.
#include <toml++/toml.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "gameplay/CharacterStandIns.h"
#include "gameplay/TextFields.h"
#include "gameplay/TomlWords.h"
#include "render/ObjLoader.h"

namespace {

constexpr std::int64_t kFormat = 1;
constexpr std::size_t kMaxNameBytes = 64;  // also the most of a key that a warning shows
constexpr std::int64_t kMaxParSeconds = 3600;
constexpr int kAxisX = 0;
constexpr int kAxisZ = 2;
constexpr std::uint64_t kFnvOffsetBasis = 0xcbf29ce484222325;
constexpr std::uint64_t kFnvPrime = 0x100000001b3;

struct Range {
    double low;
    double high;
};
// Units from the origin: far beyond any course, near enough that a float still places a piece
// to within a thousandth.
constexpr Range kCoordinates{-10000.0, 10000.0};
constexpr Range kFacings{-kMaxFacingDegrees, kMaxFacingDegrees};
// Units per second: from next to standing still to faster than any player can follow.
constexpr Range kSpeeds{0.01, 1000.0};
// Seconds: a rest at a path's ends, and a head start, of up to an hour, the longest par.
constexpr Range kWaits{0.0, kMaxPlatformSeconds};
constexpr Range kPhases{0.0, kMaxPlatformSeconds};
constexpr Range kColourChannels{0.0, 1.0};  // red, green and blue of a [look] colour

// The first thing wrong with the level and where it stands; reading stops there.
struct Refusal {
    toml::source_position at;
    std::string what;
};

[[noreturn]] void refuse(const toml::node& where, std::string what) {
    throw Refusal{where.source().begin, std::move(what)};
}

std::string located(const std::string& fileName, toml::source_position at, std::string_view what) {
    return placedText(fileName, KeyPlace{at.line, at.column}, what);
}

std::string dotted(std::string_view table, std::string_view key) {
    return table.empty() ? std::string(key) : std::string(table).append(".").append(key);
}

// Whether the text shows as it is, with no control character that could steer the console.
bool showsAsItIs(std::string_view text) {
    return shownText(text) == text;
}

// A key as a warning names it: a quoted key can hold anything, and be as long as the file.
std::string shownKey(std::string_view key) {
    if (key.size() <= kMaxNameBytes) {
        return shownText(key);
    }
    std::size_t cut = kMaxNameBytes;
    while (cut > 0 && (static_cast<unsigned char>(key[cut]) & 0xc0) == 0x80) {
        --cut;  // not inside a character's bytes
    }
    return shownText(key.substr(0, cut)) + "...";
}

// The keys of each table the format has, by the table's dotted name; a table of an array of
// tables such as [[platform]] goes by the array's.
struct KnownTable {
    std::string_view name;
    std::vector<std::string_view> keys;
};

const std::vector<KnownTable>& knownTables() {
    static const std::vector<KnownTable> tables = {
        {"",
         {"format", "name", "par_time", "start", "platform", "trap", "health", "checkpoint", "goal",
          "look"}},
        {"start", {"at", "facing"}},
        {"platform", {"at", "swing", "path", "speed", "wait", "phase", "model", "image"}},
        {"platform.swing", {"axis", "amplitude"}},
        {"trap", {"at", "model", "image"}},
        {"health", {"at", "model", "image"}},
        {"checkpoint", {"at", "model", "image"}},
        {"goal", {"at"}},
        {"look", {"sky", "sky_top", "light", "platforms", "music"}},
    };
    return tables;
}

const KnownTable* knownTable(std::string_view name) {
    const std::vector<KnownTable>& tables = knownTables();
    const auto found = std::find_if(tables.begin(), tables.end(),
                                    [&](const KnownTable& table) { return table.name == name; });
    return found == tables.end() ? nullptr : &*found;
}

// A key that the game does not know, in the tree that the parser built.
struct UnknownKey {
    std::string_view table;
    const toml::key* key;
};

void findUnknownKeys(const toml::table& table, const KnownTable& known,
                     std::vector<UnknownKey>& found);

// In a table, or in each table of an array of tables.
void findUnknownKeysIn(const toml::node& node, const KnownTable& known,
                       std::vector<UnknownKey>& found) {
    if (const toml::table* table = node.as_table()) {
        findUnknownKeys(*table, known, found);
    } else if (const toml::array* array = node.as_array()) {
        for (const toml::node& element : *array) {
            findUnknownKeysIn(element, known, found);
        }
    }
}

void findUnknownKeys(const toml::table& table, const KnownTable& known,
                     std::vector<UnknownKey>& found) {
    for (const auto& [key, value] : table) {
        if (std::find(known.keys.begin(), known.keys.end(), key.str()) == known.keys.end()) {
            found.push_back({known.name, &key});
        } else if (const KnownTable* inner = knownTable(dotted(known.name, key.str()))) {
            findUnknownKeysIn(value, *inner, found);
        }
    }
}

bool comesFirst(const UnknownKey& a, const UnknownKey& b) {
    const toml::source_position& at = a.key->source().begin;
    const toml::source_position& bt = b.key->source().begin;
    return at.line != bt.line ? at.line < bt.line : at.column < bt.column;
}

// The parser keeps a table's keys in order of name; the warnings come in the file's order.
std::vector<std::string> unknownKeyWarnings(const toml::table& root,
                                            const CharacterStandIns& standIns,
                                            const std::string& fileName) {
    std::vector<UnknownKey> found;
    findUnknownKeys(root, knownTables().front(), found);
    std::sort(found.begin(), found.end(), comesFirst);
    std::vector<std::string> warnings;
    for (std::size_t i = 0; i < found.size() && i < kMaxLevelWarnings; ++i) {
        const std::string key = standIns.restored(found[i].key->str());
        const std::string name = dotted(found[i].table, shownKey(key));
        warnings.push_back(located(fileName, found[i].key->source().begin, "unknown key " + name));
    }
    if (found.size() > kMaxLevelWarnings) {
        warnings.push_back("... and " + std::to_string(found.size() - kMaxLevelWarnings) + " more");
    }
    return warnings;
}

std::string rangeText(Range range) {
    std::string text = "from ";
    appendReal(text, range.low, std::chars_format::general);
    appendReal(text.append(" to "), range.high, std::chars_format::general);
    return text;
}

// The value under `key`; its absence is refused at the table that lacks it.
const toml::node& required(const toml::table& table, std::string_view tableName,
                           std::string_view key) {
    const toml::node* node = table.get(key);
    if (node == nullptr) {
        refuse(table, "missing " + dotted(tableName, key));
    }
    return *node;
}

const toml::table& requiredTable(const toml::table& root, std::string_view key) {
    const toml::node* node = root.get(key);
    if (node == nullptr) {
        refuse(root, "missing [" + std::string(key) + "]");
    }
    if (!node->is_table()) {
        refuse(*node, std::string(key) + " needs a table");
    }
    return *node->as_table();
}

// Integers count as numbers too.
std::optional<double> numberIn(const toml::node& node) {
    if (const toml::value<std::int64_t>* whole = node.as_integer()) {
        return static_cast<double>(whole->get());
    }
    if (const toml::value<double>* real = node.as_floating_point()) {
        return real->get();
    }
    return std::nullopt;
}

// Checked before it becomes a float, which could not hold every double.
float within(const toml::node& node, double value, Range range, const std::string& refusal) {
    if (!(value >= range.low && value <= range.high)) {
        refuse(node, refusal);
    }
    return static_cast<float>(value);
}

float readNumber(const toml::node& node, const std::string& name, Range range) {
    const std::optional<double> number = numberIn(node);
    if (!number) {
        refuse(node, name + " needs a number");
    }
    return within(node, *number, range, name + " needs a number " + rangeText(range));
}

// Three numbers within the range: a point, or a colour.
glm::vec3 readTriple(const toml::node& node, const std::string& name, Range range) {
    const toml::array* numbers = node.as_array();
    const std::string refusal = name + " needs three numbers";
    if (numbers == nullptr || numbers->size() != 3) {
        refuse(node, refusal);
    }
    glm::vec3 triple;
    for (int axis = 0; axis < 3; ++axis) {
        const toml::node& element = (*numbers)[static_cast<std::size_t>(axis)];
        const std::optional<double> number = numberIn(element);
        if (!number) {
            refuse(element, refusal);
        }
        triple[axis] = within(element, *number, range, name + " needs numbers " + rangeText(range));
    }
    return triple;
}

glm::vec3 readPoint(const toml::node& node, const std::string& name) {
    return readTriple(node, name, kCoordinates);
}

void checkFormat(const toml::table& root) {
    const toml::node& node = required(root, "", "format");
    if (node.value_exact<std::int64_t>() != kFormat) {
        refuse(node, "format needs to be " + std::to_string(kFormat));
    }
}

std::string readName(const toml::table& root, const CharacterStandIns& standIns) {
    const toml::node& node = required(root, "", "name");
    const toml::value<std::string>* name = node.as_string();
    if (name == nullptr) {
        refuse(node, "name needs a string");
    }
    const std::string text = standIns.restored(name->get());
    if (text.empty() || text.size() > kMaxNameBytes) {
        refuse(node, "name needs 1 to " + std::to_string(kMaxNameBytes) + " bytes");
    }
    if (!showsAsItIs(text)) {
        refuse(node, "name cannot hold control characters");
    }
    return text;
}

int readParTime(const toml::table& root) {
    const toml::node& node = required(root, "", "par_time");
    const toml::value<std::int64_t>* seconds = node.as_integer();
    if (seconds == nullptr) {
        refuse(node, "par_time needs a whole number of seconds");
    }
    if (seconds->get() < 1 || seconds->get() > kMaxParSeconds) {
        refuse(node, "par_time needs 1 to " + std::to_string(kMaxParSeconds) + " seconds");
    }
    return static_cast<int>(seconds->get());
}

void readStart(const toml::table& root, Level& level) {
    const toml::table& start = requiredTable(root, "start");
    level.start = readPoint(required(start, "start", "at"), "start.at");
    if (const toml::node* facing = start.get("facing")) {
        level.facing = readNumber(*facing, "start.facing", kFacings);
    }
}

// Relative, with no way up, and with the forward slashes that every system reads alike: a
// path that stays in the level's folder.
bool staysInFolder(std::string_view path) {
    if (path.front() == '/' || path.find('\\') != std::string_view::npos) {
        return false;
    }
    while (!path.empty()) {
        const std::size_t slash = std::min(path.find('/'), path.size());
        if (path.substr(0, slash) == "..") {
            return false;
        }
        path.remove_prefix(std::min(slash + 1, path.size()));
    }
    return true;
}

bool hasExtension(std::string_view path, const std::vector<std::string_view>& extensions) {
    std::string lowered(path);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::any_of(extensions.begin(), extensions.end(), [&](std::string_view extension) {
        return lowered.size() >= extension.size() &&
               lowered.compare(lowered.size() - extension.size(), extension.size(), extension) == 0;
    });
}

bool namesImageFile(std::string_view path) {
    return hasExtension(path, {".png", ".jpg", ".jpeg"});
}

// A file of a piece's own look, under its key, with the names that its loader reads as such.
struct LookFile {
    const char* key;
    bool (*accepts)(std::string_view path);
    const char* needs;
};
const LookFile kModelFile{"model", namesModelFile, "an .obj file"};
const LookFile kImageFile{"image", namesImageFile, "a .png, .jpg or .jpeg file"};

// A model or image file of the level's own; empty for the game's.
std::string readLookFile(const toml::table& piece, std::string_view kind, const LookFile& file,
                         const CharacterStandIns& standIns) {
    const toml::node* node = piece.get(file.key);
    if (node == nullptr) {
        return "";
    }
    const std::string name = dotted(kind, file.key);
    const toml::value<std::string>* value = node->as_string();
    const std::string path = value == nullptr ? "" : standIns.restored(value->get());
    if (path.empty() || !showsAsItIs(path)) {
        refuse(*node, name + " needs a file name");
    }
    if (!staysInFolder(path)) {
        refuse(*node, name + " needs a path inside the level's folder");
    }
    if (!file.accepts(path)) {
        refuse(*node, name + " needs " + file.needs);
    }
    return path;
}

PieceLook readLook(const toml::table& piece, std::string_view kind,
                   const CharacterStandIns& standIns) {
    PieceLook look;
    look.model = readLookFile(piece, kind, kModelFile, standIns);
    look.image = readLookFile(piece, kind, kImageFile, standIns);
    return look;
}

Swing readSwing(const toml::node& node) {
    if (!node.is_table()) {
        refuse(node, "platform.swing needs a table such as { axis = \"x\", amplitude = 5.0 }");
    }
    const toml::table& swing = *node.as_table();
    const toml::node& axis = required(swing, "platform.swing", "axis");
    const std::optional<std::string_view> axisName = axis.value_exact<std::string_view>();
    if (axisName != "x" && axisName != "z") {
        refuse(axis, "platform.swing.axis needs \"x\" or \"z\"");
    }
    const float amplitude = readNumber(required(swing, "platform.swing", "amplitude"),
                                       "platform.swing.amplitude", kCoordinates);
    return Swing{*axisName == "x" ? kAxisX : kAxisZ, amplitude};
}

std::vector<glm::vec3> readPath(const toml::node& node) {
    const toml::array* points = node.as_array();
    if (points == nullptr || points->empty() || points->size() > kMaxPathPoints) {
        refuse(node, "platform.path needs 1 to " + std::to_string(kMaxPathPoints) + " points");
    }
    std::vector<glm::vec3> path;
    path.reserve(points->size());
    for (const toml::node& point : *points) {
        path.push_back(readPoint(point, "a point of platform.path"));
    }
    return path;
}

// A speed goes with a path, and only with one.
float readSpeed(const toml::table& platform, bool moves) {
    const toml::node* node = platform.get("speed");
    if (!moves && node != nullptr) {
        refuse(*node, "platform.speed needs a platform.path to move along");
    }
    if (moves && node == nullptr) {
        refuse(platform, "missing platform.speed, which a platform with a path needs");
    }
    return moves ? readNumber(*node, "platform.speed", kSpeeds) : 0.0f;
}

// A rest at the ends goes only with a path; a head start with a path or a swing. `lacking`
// names what the platform would need for the key, or is null when it has it.
float readTiming(const toml::table& platform, std::string_view key, Range range,
                 const char* lacking) {
    const toml::node* node = platform.get(key);
    if (node == nullptr) {
        return 0.0f;
    }
    const std::string name = dotted("platform", key);
    if (lacking != nullptr) {
        refuse(*node, name + " needs " + lacking);
    }
    return readNumber(*node, name, range);
}

KeyPlace placeOfKey(const toml::table& table, std::string_view key, KeyPlace otherwise) {
    const auto found = table.find(key);
    if (found == table.end()) {
        return otherwise;
    }
    const toml::source_position& at = found->first.source().begin;
    return KeyPlace{at.line, at.column};
}

PiecePlaces placesIn(const toml::table& piece) {
    const KeyPlace at = placeOfKey(piece, "at", KeyPlace{});
    return PiecePlaces{at, placeOfKey(piece, "model", at), placeOfKey(piece, "image", at)};
}

PlatformPiece readPlatform(const toml::table& table, const CharacterStandIns& standIns) {
    PlatformPiece platform;
    platform.at = readPoint(required(table, "platform", "at"), "platform.at");
    const toml::node* swing = table.get("swing");
    const toml::node* path = table.get("path");
    if (swing != nullptr && path != nullptr) {
        refuse(*path, "platform.path and platform.swing cannot go together");
    }
    if (swing != nullptr) {
        platform.swing = readSwing(*swing);
    }
    if (path != nullptr) {
        platform.path = readPath(*path);
    }
    platform.speed = readSpeed(table, path != nullptr);
    platform.wait =
        readTiming(table, "wait", kWaits, path == nullptr ? "a platform.path" : nullptr);
    platform.phase = readTiming(
        table, "phase", kPhases,
        path == nullptr && swing == nullptr ? "a platform.path or a platform.swing" : nullptr);
    platform.look = readLook(table, "platform", standIns);
    return platform;
}

Piece readPiece(const toml::table& table, std::string_view kind,
                const CharacterStandIns& standIns) {
    return Piece{readPoint(required(table, kind, "at"), dotted(kind, "at")),
                 readLook(table, kind, standIns)};
}

// The tables of an array of tables such as [[trap]]; none when the key is absent.
const toml::array* piecesOf(const toml::table& root, std::string_view kind) {
    const toml::node* node = root.get(kind);
    if (node == nullptr) {
        return nullptr;
    }
    const std::string refusal = std::string(kind) + " needs [[" + std::string(kind) + "]] tables";
    if (!node->is_array()) {
        refuse(*node, refusal);
    }
    const toml::array& pieces = *node->as_array();
    for (const toml::node& piece : pieces) {
        if (!piece.is_table()) {
            refuse(piece, refusal);
        }
    }
    return &pieces;
}

const char* const kPieceKinds[] = {"platform", "trap", "health", "checkpoint"};

// Before any piece is read, so that a file of countless pieces is refused before the level
// takes room for them.
void checkPieceCount(const toml::table& root) {
    std::size_t count = 0;
    for (const char* kind : kPieceKinds) {
        const toml::array* pieces = piecesOf(root, kind);
        const std::size_t more = pieces == nullptr ? 0 : pieces->size();
        if (count + more > kMaxLevelPieces) {
            refuse((*pieces)[kMaxLevelPieces - count],
                   "more than " + std::to_string(kMaxLevelPieces) +
                       " pieces: platforms, traps, health packs and checkpoints together");
        }
        count += more;
    }
}

std::vector<PlatformPiece> readPlatforms(const toml::table& root, const CharacterStandIns& standIns,
                                         std::vector<PiecePlaces>& places) {
    const toml::array* tables = piecesOf(root, "platform");
    const char* const refusal = "a level needs at least one [[platform]]";
    if (tables == nullptr) {
        refuse(root, refusal);
    }
    if (tables->empty()) {
        refuse(*tables, refusal);
    }
    std::vector<PlatformPiece> platforms;
    platforms.reserve(tables->size());
    for (const toml::node& table : *tables) {
        platforms.push_back(readPlatform(*table.as_table(), standIns));
        places.push_back(placesIn(*table.as_table()));
    }
    return platforms;
}

std::vector<Piece> readPieces(const toml::table& root, std::string_view kind,
                              const CharacterStandIns& standIns, std::vector<PiecePlaces>& places) {
    std::vector<Piece> pieces;
    if (const toml::array* tables = piecesOf(root, kind)) {
        pieces.reserve(tables->size());
        for (const toml::node& table : *tables) {
            pieces.push_back(readPiece(*table.as_table(), kind, standIns));
            places.push_back(placesIn(*table.as_table()));
        }
    }
    return pieces;
}

// Where the key stands in a table that holds it.
toml::source_position keyAt(const toml::table& table, std::string_view key) {
    return table.find(key)->first.source().begin;
}

toml::source_position startAt(const toml::table& root) {
    return keyAt(*root.get_as<toml::table>("start"), "at");
}

// A start that falls for ever, or loses as it begins, cannot be played.
void checkStart(const toml::table& root, const Level& level) {
    if (!startsOverPlatform(level)) {
        throw Refusal{startAt(root), "start.at stands over no platform"};
    }
    if (startsInTrap(level)) {
        throw Refusal{startAt(root), "start.at stands in a trap"};
    }
}

std::optional<std::string> goalAtStartWarning(const toml::table& root, const Level& level,
                                              const std::string& fileName) {
    if (!startsAtGoal(level)) {
        return std::nullopt;
    }
    return located(fileName, keyAt(*root.get_as<toml::table>("goal"), "at"),
                   "goal.at is within touching distance of start.at");
}

std::optional<glm::vec3> readColour(const toml::table& look, std::string_view key) {
    const toml::node* node = look.get(key);
    if (node == nullptr) {
        return std::nullopt;
    }
    return readTriple(*node, dotted("look", key), kColourChannels);
}

// One of the names the game has made assets for; empty when the key is absent.
template <std::size_t Count>
std::string readAssetName(const toml::table& look, std::string_view key,
                          const std::array<std::string_view, Count>& names) {
    const toml::node* node = look.get(key);
    if (node == nullptr) {
        return "";
    }
    const std::optional<std::string_view> name = node->value_exact<std::string_view>();
    if (!name || std::find(names.begin(), names.end(), *name) == names.end()) {
        std::string known;
        for (const std::string_view each : names) {
            known.append(known.empty() ? "\"" : ", \"").append(each).append("\"");
        }
        refuse(*node, dotted("look", key) + " needs one of " + known);
    }
    return std::string(*name);
}

LevelLook readLevelLook(const toml::table& root) {
    const toml::node* node = root.get("look");
    if (node == nullptr) {
        return {};
    }
    if (!node->is_table()) {
        refuse(*node, "look needs a table");
    }
    const toml::table& table = *node->as_table();
    LevelLook look;
    look.sky = readColour(table, "sky");
    look.skyTop = readColour(table, "sky_top");
    look.light = readColour(table, "light");
    look.platforms = readAssetName(table, "platforms", kPlatformSets);
    look.music = readAssetName(table, "music", kMusicLoops);
    return look;
}

Level readLevel(const toml::table& root, const CharacterStandIns& standIns, LevelPlaces& places) {
    checkFormat(root);
    Level level;
    level.name = readName(root, standIns);
    level.parTime = readParTime(root);
    readStart(root, level);
    checkPieceCount(root);
    level.platforms = readPlatforms(root, standIns, places.platforms);
    level.traps = readPieces(root, "trap", standIns, places.traps);
    level.healthPacks = readPieces(root, "health", standIns, places.healthPacks);
    level.checkpoints = readPieces(root, "checkpoint", standIns, places.checkpoints);
    const toml::table& goal = requiredTable(root, "goal");
    level.goal = readPoint(required(goal, "goal", "at"), "goal.at");
    places.goal = placesIn(goal);
    places.start = placesIn(*root.get_as<toml::table>("start"));
    level.look = readLevelLook(root);
    checkStart(root, level);
    return level;
}

}  // namespace

LevelRead parseLevel(std::string_view text, const std::string& fileName) {
    LevelRead read;
    if (text.size() > kMaxLevelBytes) {
        read.error = located(
            fileName, {1, 1},
            "larger than the " + std::to_string(kMaxLevelBytes) + " bytes a level file may hold");
        return read;
    }
    const std::optional<CharacterStandIns> standIns = CharacterStandIns::of(text);
    if (!standIns) {
        read.error = located(fileName, {1, 1}, "holds too many different characters");
        return read;
    }
    toml::table root;
    try {
        root = toml::parse(standIns->parsed(), std::string_view(fileName));
    } catch (const toml::parse_error& error) {
        const std::string what =
            shownText(tomlErrorInFormatWords(standIns->restored(error.description())));
        read.error = located(fileName, error.source().begin, what);
        return read;
    }
    read.warnings = unknownKeyWarnings(root, *standIns, fileName);
    try {
        read.level = readLevel(root, *standIns, read.places);
        read.goalAtStart = goalAtStartWarning(root, *read.level, fileName);
    } catch (const Refusal& refusal) {
        read.error = located(fileName, refusal.at, refusal.what);
    }
    return read;
}

const PiecePlaces& LevelPlaces::of(PieceRef piece) const {
    const auto index = static_cast<std::size_t>(piece.index);
    switch (piece.kind) {
        case PieceRef::Kind::Start:
            return start;
        case PieceRef::Kind::Goal:
            return goal;
        case PieceRef::Kind::Platform:
            return platforms.at(index);
        case PieceRef::Kind::Trap:
            return traps.at(index);
        case PieceRef::Kind::Health:
            return healthPacks.at(index);
        case PieceRef::Kind::Checkpoint:
            break;
    }
    return checkpoints.at(index);
}

std::string placedText(const std::string& fileName, KeyPlace place, std::string_view what) {
    return shownText(fileName) + ":" + std::to_string(place.line) + ":" +
           std::to_string(place.column) + ": " + std::string(what);
}

std::uint64_t levelHash(std::string_view text) {
    std::uint64_t hash = kFnvOffsetBasis;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= kFnvPrime;
    }
    return hash;
}

std::string levelHashText(std::uint64_t hash) {
    const char* const digits = "0123456789abcdef";
    std::string text(16, '0');
    for (auto digit = text.rbegin(); digit != text.rend(); ++digit, hash >>= 4) {
        *digit = digits[hash & 0xf];
    }
    return text;
}
