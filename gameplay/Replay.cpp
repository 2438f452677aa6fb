#include "gameplay/Replay.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

#include "gameplay/RecordRun.h"
#include "gameplay/TextFields.h"

namespace {

const char* const kMagic = "smeltrun-replay";
const std::size_t kFrameFields = 15;
// A frame's line is at least a character and a space or line end per field: a text cannot hold
// more frames than its length allows, whatever count it claims.
const std::size_t kShortestFrameBytes = 2 * kFrameFields;
// Limits on what a frame can hold, well beyond what any game makes: a larger value comes from
// a damaged or made-up file, and is refused before it reaches the rules.
const float kMaxStepSeconds = 60.0f;
const double kMaxMousePixels = 1e6;
const float kMaxSetting = 1000.0f;  // as the settings files allow for sensitivity and gravity
// Every action a replay may hold: all but the screenshot, which is never recorded.
const unsigned long kEveryAction = (1ul << static_cast<unsigned>(Action::Screenshot)) - 1;
const auto kHex = std::chars_format::hex;

// The text's lines one by one, counted, none longer than kMaxReplayLineBytes.
class Lines {
public:
    explicit Lines(std::string_view text) : rest(text) {}

    // The next line; false at the end of the text or at a line that is too long.
    bool next(std::string_view& line) {
        if (!nextLine(rest, line)) {
            return false;
        }
        ++number;
        tooLong = line.size() > kMaxReplayLineBytes;
        return !tooLong;
    }

    // Why the next line is not there: too long, or missing with `what`.
    std::string lack(const char* what) const {
        if (tooLong) {
            return "line " + std::to_string(number) + " is longer than " +
                   std::to_string(kMaxReplayLineBytes) + " bytes";
        }
        return what;
    }

    std::string at(const char* what) const {
        return "line " + std::to_string(number) + ": " + what;
    }

    std::size_t bytesLeft() const { return rest.size(); }

    // Whether the lines stopped at one that is too long rather than at the end of the text.
    bool stoppedAtALongLine() const { return tooLong; }

private:
    std::string_view rest;
    std::size_t number = 0;
    bool tooLong = false;
};

ReplayRead refused(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

// A header line, "<key> <value>": its value.
bool keyed(std::string_view line, std::string_view key, std::string_view& value) {
    std::string_view fields[2];
    if (splitFields(line, fields, 2) != 2 || fields[0] != key) {
        return false;
    }
    value = fields[1];
    return true;
}

template <typename Real>
bool readWithin(std::string_view field, Real& value, Real limit) {
    return readReal(field, value, kHex) && std::abs(value) <= limit;
}

bool readActions(std::string_view field, ActionSet& set) {
    unsigned long bits = 0;
    if (!readWhole(field, bits, 16) || bits > kEveryAction) {
        return false;
    }
    set = ActionSet::fromBits(bits);
    return true;
}

bool readInput(const std::string_view* fields, InputSnapshot& input) {
    return readActions(fields[0], input.held) && readActions(fields[1], input.pressed) &&
           readActions(fields[2], input.released) &&
           readWithin(fields[3], input.mouseX, kMaxMousePixels) &&
           readWithin(fields[4], input.mouseY, kMaxMousePixels) &&
           readWithin(fields[5], input.walkRight, 1.0f) &&
           readWithin(fields[6], input.walkForward, 1.0f) &&
           readWithin(fields[7], input.lookRight, 1.0f) &&
           readWithin(fields[8], input.lookUp, 1.0f);
}

// The game's version is shown to people, and written back as it was read: printable
// characters only. A carriage return in it would be taken for a line end when read again.
bool isPrintableWord(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < '\x7f'; });
}

bool readFrame(std::string_view line, ReplayFrame& frame) {
    std::string_view fields[kFrameFields];
    return splitFields(line, fields, kFrameFields) == kFrameFields &&
           readReal(fields[0], frame.deltaTime, kHex) && frame.deltaTime >= 0.0f &&
           frame.deltaTime <= kMaxStepSeconds && readInput(fields + 1, frame.input) &&
           readReal(fields[10], frame.position.x, kHex) &&
           readReal(fields[11], frame.position.y, kHex) &&
           readReal(fields[12], frame.position.z, kHex) &&
           readReal(fields[13], frame.facing, kHex) && readReal(fields[14], frame.clock, kHex) &&
           frame.clock >= 0.0f;
}

// The first line names the format; nothing of a file in another format is read further.
std::optional<std::string> readFormat(Lines& lines) {
    std::string_view line, value;
    int format = 0;
    if (!lines.next(line) || !keyed(line, kMagic, value) || !readWhole(value, format)) {
        return lines.lack("not a Smeltrun replay");
    }
    if (format != kReplayFormat) {
        return "replay format " + std::string(value) + ", this game reads format " +
               std::to_string(kReplayFormat);
    }
    return std::nullopt;
}

std::optional<std::string> readRules(Lines& lines, Replay& replay) {
    std::string_view line, value;
    if (!lines.next(line) || !keyed(line, "game", value) || !isPrintableWord(value)) {
        return lines.lack("no game version");
    }
    replay.gameVersion = value;
    int rules = 0;
    if (!lines.next(line) || !keyed(line, "rules", value) || !readWhole(value, rules)) {
        return lines.lack("no rules version");
    }
    if (rules != kRulesVersion) {
        return "made under rules " + std::string(value) + ", this game plays rules " +
               std::to_string(kRulesVersion);
    }
    ReplaySettings& settings = replay.settings;
    if (!lines.next(line) || !keyed(line, "sensitivity", value) ||
        !readWithin(value, settings.sensitivity, kMaxSetting)) {
        return lines.lack("no sensitivity");
    }
    if (!lines.next(line) || !keyed(line, "gravity", value) ||
        !readWithin(value, settings.gravity, kMaxSetting)) {
        return lines.lack("no gravity");
    }
    return std::nullopt;
}

bool isHashText(std::string_view text) {
    return text.size() == 16 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// A level's name as a level file gives it: any characters but control ones.
bool isLevelName(std::string_view text) {
    return !text.empty() && text.size() <= kMaxLevelNameBytes &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= ' ' && c != '\x7f'; });
}

// The level line, when there is one; `line` is left at the line after it.
std::optional<std::string> readLevel(Lines& lines, ReplayLevel& level, std::string_view& line) {
    const std::string_view kKey = "level ";
    if (!lines.next(line) || line.substr(0, kKey.size()) != kKey) {
        return std::nullopt;
    }
    const std::string_view rest = line.substr(kKey.size());
    const std::size_t space = rest.find(' ');
    if (space == std::string_view::npos || !isHashText(rest.substr(0, space)) ||
        !isLevelName(rest.substr(space + 1))) {
        return lines.at("not a level's hash and name");
    }
    level = ReplayLevel{std::string(rest.substr(0, space)), std::string(rest.substr(space + 1))};
    lines.next(line);
    return std::nullopt;
}

// `line` is the line that counts the frames.
std::optional<std::string> readFrames(Lines& lines, std::string_view line,
                                      std::vector<ReplayFrame>& frames) {
    std::string_view value;
    std::size_t count = 0;
    if (lines.stoppedAtALongLine() || !keyed(line, "frames", value) || !readWhole(value, count)) {
        return lines.lack("no frame count");
    }
    if (count > kMaxReplayFrames) {
        return std::to_string(count) + " frames, more than the " +
               std::to_string(kMaxReplayFrames) + " a replay may hold";
    }
    frames.reserve(std::min(count, lines.bytesLeft() / kShortestFrameBytes));
    while (frames.size() < count) {
        if (!lines.next(line)) {
            const std::string truncated = "truncated: " + std::to_string(frames.size()) + " of " +
                                          std::to_string(count) + " frames";
            return lines.lack(truncated.c_str());
        }
        if (!readFrame(line, frames.emplace_back())) {
            return lines.at("not a frame");
        }
    }
    while (lines.next(line)) {
        if (line.find_first_not_of(' ') != std::string_view::npos) {
            return lines.at("more than the frames counted");
        }
    }
    return lines.stoppedAtALongLine() ? std::optional<std::string>(lines.lack("")) : std::nullopt;
}

void appendFrame(std::string& text, const ReplayFrame& frame) {
    const InputSnapshot& input = frame.input;
    appendReal(text, frame.deltaTime, kHex);
    for (const ActionSet* set : {&input.held, &input.pressed, &input.released}) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, set->toBits(), 16).ptr;
        text.append(" ").append(digits, end);
    }
    for (const double value : {input.mouseX, input.mouseY}) {
        appendReal(text.append(" "), value, kHex);
    }
    for (const float value :
         {input.walkRight, input.walkForward, input.lookRight, input.lookUp, frame.position.x,
          frame.position.y, frame.position.z, frame.facing, frame.clock}) {
        appendReal(text.append(" "), value, kHex);
    }
    text.append("\n");
}

// Numbers as the console writes them: a stream's default, printf's %g.
template <typename... Parts>
std::string words(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

}  // namespace

ReplayRead parseReplay(std::string_view text) {
    Lines lines(text);
    Replay replay;
    std::optional<std::string> failure = readFormat(lines);
    failure = failure ? failure : readRules(lines, replay);
    std::string_view line;
    failure = failure ? failure : readLevel(lines, replay.level, line);
    failure = failure ? failure : readFrames(lines, line, replay.frames);
    if (failure) {
        return refused(std::move(*failure));
    }
    return {std::move(replay), ""};
}

std::string replayText(const Replay& replay) {
    std::string text = std::string(kMagic) + " " + std::to_string(kReplayFormat) + "\n";
    text += "game " + replay.gameVersion + "\n";
    text += "rules " + std::to_string(kRulesVersion) + "\n";
    appendReal(text.append("sensitivity "), replay.settings.sensitivity, kHex);
    appendReal(text.append("\ngravity "), replay.settings.gravity, kHex);
    if (!replay.level.hash.empty()) {
        text += "\nlevel " + replay.level.hash + " " + replay.level.name;
    }
    text += "\nframes " + std::to_string(replay.frames.size()) + "\n";
    for (const ReplayFrame& frame : replay.frames) {
        appendFrame(text, frame);
    }
    return text;
}

std::optional<std::string> recordRunDoubt(const Replay& replay) {
    const std::vector<ReplayFrame>& frames = replay.frames;
    if (frames.empty()) {
        return "no frames";
    }
    const auto longest =
        std::max_element(frames.begin(), frames.end(),
                         [](const auto& a, const auto& b) { return a.deltaTime < b.deltaTime; });
    const std::optional<RunFault> fault =
        recordRunFault(replay.settings.gravity, longest->deltaTime);
    if (!fault) {
        return std::nullopt;
    }
    if (*fault == RunFault::OtherGravity) {
        return words("gravity ", replay.settings.gravity, ", not the game's ", kGameGravity);
    }
    return words("frame ", longest - frames.begin() + 1, " takes ", longest->deltaTime,
                 " s, longer than a record run's longest frame of ", kLongestRecordFrameSeconds,
                 " s");
}

std::optional<std::string> playedDoubt(const ReplayPlayed& played) {
    if (played.diverged) {
        return "it played otherwise than it was recorded";
    }
    if (!played.wonAfter) {
        return words("it stopped at frame ", played.played, " of ", played.frames,
                     " without a win");
    }
    if (*played.wonAfter < played.frames) {
        return words(played.frames - *played.wonAfter, " frames follow its win at frame ",
                     *played.wonAfter);
    }
    return std::nullopt;
}

ReplayRecorder::ReplayRecorder(std::string gameVersion, ReplaySettings settings, ReplayLevel level)
    : recorded{std::move(gameVersion), settings, std::move(level), {}} {
    recorded.frames.reserve(kMaxReplayFrames);
}

void ReplayRecorder::startOver(ReplaySettings settings, ReplayLevel level) {
    recorded.settings = settings;
    recorded.level = std::move(level);
    recorded.frames.clear();
    kept = true;
    longest = 0.0f;
}

void ReplayRecorder::add(const ReplayFrame& frame) {
    longest = std::max(longest, frame.deltaTime);
    if (kept && recorded.frames.size() == kMaxReplayFrames) {
        kept = false;
    }
    if (kept) {
        recorded.frames.push_back(frame);
    }
}
