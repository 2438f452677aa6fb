#include "app/events/EventWords.h"

#include <cstdio>
#include <ostream>

#include "app/settings/Translate.h"
#include "gameplay/Touch.h"

namespace {

// Far more than the longest console line; the console's lines are formatted here, in place,
// so that telling an event in the update allocates nothing.
const std::size_t kConsoleLineBytes = 256;

// Where an event's lines go: the console, in English as first defined, or the HUD, in the
// player's language with its decimal sign. Without a stream it only notes whether anything
// would be said.
class Teller {
public:
    enum class To { Console, Hud };
    Teller(std::ostream* out, To to) : out(out), to(to) {}

    void line(const char* text) { put(to == To::Hud ? tr(text) : text); }
    template <typename... Values>
    void line(const char* format, Values... values) {
        if (!out) {
            said = true;
        } else if (to == To::Hud) {
            put(formatted(tr(format), values...).c_str());
        } else {
            char text[kConsoleLineBytes];
            std::snprintf(text, sizeof text, format, values...);
            put(text);
        }
    }
    // The console leaves an empty line after a loss, before the next run's events.
    void gap() {
        if (to == To::Console) {
            put("");
        }
    }
    // A word that goes into a line, such as a toggle's new state.
    const char* word(const char* english) const { return to == To::Hud ? tr(english) : english; }
    bool saidAnything() const { return said; }

private:
    void put(const char* text) {
        said = true;
        if (out && to == To::Console) {
            *out << text << std::endl;
        } else if (out) {
            *out << text << '\n';
        }
    }

    std::ostream* out;
    To to;
    bool said = false;
};

// The display toggles whose change the console tells; the rest (the HUD, the frame overlay)
// say nothing and are only heard.
const struct {
    Action toggle;
    const char* line;  // with the new state, ON or OFF
} kToggleLines[] = {
    {Action::Wireframe, N_("WIREFRAME: %s")},      {Action::Culling, N_("CULLING: %s")},
    {Action::DebugCamera, N_("DEBUG CAMERA: %s")}, {Action::CelShading, N_("CELSHADING: %s")},
    {Action::Contour, N_("CONTOUR: %s")},          {Action::Specular, N_("SPECULAR: %s")},
};

// A time is written as a stream writes a float by default: printf's %g.
void healthPackLines(Teller& say, const Event&) {
    say.line(N_("HEALTH PACK COLLECTED"));
    say.line(N_("HEALTH INCREASED BY %d"), touch::kHealthGain);
}

void trapLines(Teller& say, const Event&) {
    say.line(N_("TRAP TRIGGERED"));
    say.line(N_("SLOWED FOR %g SECONDS"), double{touch::kSlowSeconds});
    say.line(N_("HEALTH REDUCED BY %d"), touch::kTrapDamage);
}

void wonLines(Teller& say, const Event& won) {
    say.line(N_("GAME WON! %gs | %d points"), double{won.seconds}, won.points);
}

void newBestTimeLines(Teller& say, const Event& best) {
    say.line(N_("NEW BEST TIME: %gs"), double{best.seconds});
}

void lostLines(Teller& say, const Event& lost) {
    say.line(N_("GAME LOST! %gs | %d points"), double{lost.seconds}, lost.points);
    say.gap();
}

void toggleLines(Teller& say, const Event& toggled) {
    for (const auto& entry : kToggleLines) {
        if (entry.toggle == toggled.toggle) {
            say.line(entry.line, say.word(toggled.on ? N_("ON") : N_("OFF")));
        }
    }
}

void quitLines(Teller& say, const Event&) {
    say.line(N_("Game has been quit."));
}

void padConnectedNotice(Teller& say, const Event& pad) {
    say.line(N_("Gamepad connected: %s"), pad.name.data());
}

void padDisconnectedNotice(Teller& say, const Event& pad) {
    say.line(N_("Gamepad disconnected: %s"), pad.name.data());
}

void screenshotSavedNotice(Teller& say, const Event& saved) {
    say.line(N_("Screenshot saved: %s"), saved.name.data());
}

void screenshotFailedNotice(Teller& say, const Event& failed) {
    say.line(N_("Screenshot not saved: %s"), failed.name.data());
}

void levelRereadNotice(Teller& say, const Event& read) {
    say.line(N_("Level read again: %s"), read.name.data());
}

void levelNotRereadNotice(Teller& say, const Event& refused) {
    say.line(N_("Level kept as it was: %s"), refused.name.data());
}

using Words = void (*)(Teller&, const Event&);
constexpr Words kNoWords = nullptr;
constexpr std::optional<Cue> kSilent = std::nullopt;
constexpr bool kFromPlace = true;  // where the item that was touched stands
constexpr bool kOnListener = false;

// One row for each kind, in the order of the kinds.
struct Row {
    Event::Kind kind;
    Words lines;   // the console's, which the HUD shows as well
    Words notice;  // the HUD's alone, for an event without console lines
    std::optional<Cue> cue;
};
constexpr Row kRows[] = {
    {Event::HealthPack, healthPackLines, kNoWords, Cue{Sound::HealthPickup, kFromPlace}},
    {Event::Trap, trapLines, kNoWords, Cue{Sound::TrapHit, kFromPlace}},
    {Event::Won, wonLines, kNoWords, Cue{Sound::Win, kOnListener}},
    {Event::NewBestTime, newBestTimeLines, kNoWords, kSilent},  // the win's fanfare says it
    {Event::Lost, lostLines, kNoWords, Cue{Sound::Lose, kOnListener}},
    {Event::Toggle, toggleLines, kNoWords, Cue{Sound::Click, kOnListener}},
    {Event::Quit, quitLines, kNoWords, kSilent},
    {Event::Jump, kNoWords, kNoWords, Cue{Sound::Jump, kOnListener}},
    {Event::Landing, kNoWords, kNoWords, Cue{Sound::Land, kOnListener}},
    {Event::Step, kNoWords, kNoWords, Cue{Sound::Step, kOnListener}},
    {Event::GamepadConnected, kNoWords, padConnectedNotice, kSilent},
    {Event::GamepadDisconnected, kNoWords, padDisconnectedNotice, kSilent},
    // The HUD shows a checkpoint's split; it sounds the goal's chime from where it stands.
    {Event::Checkpoint, kNoWords, kNoWords, Cue{Sound::GoalChime, kFromPlace}},
    {Event::ScreenshotSaved, kNoWords, screenshotSavedNotice, kSilent},
    {Event::ScreenshotFailed, kNoWords, screenshotFailedNotice, kSilent},
    {Event::LevelReread, kNoWords, levelRereadNotice, kSilent},
    {Event::LevelNotReread, kNoWords, levelNotRereadNotice, kSilent},
};

constexpr bool everyKindInItsPlace() {
    for (std::size_t kind = 0; kind < Event::Count; ++kind) {
        if (kRows[kind].kind != static_cast<Event::Kind>(kind)) {
            return false;
        }
    }
    return true;
}
static_assert(sizeof kRows / sizeof kRows[0] == Event::Count && everyKindInItsPlace(),
              "every kind of event has its row, in the order of the kinds");

const Row& rowOf(const Event& event) {
    return kRows[event.kind];
}

void tell(Teller& say, const Event& event, bool withNotice) {
    const Row& row = rowOf(event);
    if (row.lines) {
        row.lines(say, event);
    }
    if (withNotice && row.notice) {
        row.notice(say, event);
    }
}

}  // namespace

void writeLines(std::ostream& out, const Event& event) {
    Teller console(&out, Teller::To::Console);
    tell(console, event, false);
}

bool hasLines(const Event& event) {
    Teller counting(nullptr, Teller::To::Console);
    tell(counting, event, false);
    return counting.saidAnything();
}

void writeShownLines(std::ostream& out, const Event& event) {
    Teller hud(&out, Teller::To::Hud);
    tell(hud, event, true);
}

bool isShown(const Event& event) {
    Teller counting(nullptr, Teller::To::Hud);
    tell(counting, event, true);
    return counting.saidAnything();
}

std::optional<Cue> cueOf(const Event& event) {
    return rowOf(event).cue;
}

const char* runFaultWords(RunFault fault) {
    switch (fault) {
        case RunFault::OtherGravity:
            return N_("No record: another gravity");
        case RunFault::LongFrame:
            return N_("No record: the game stalled");
        case RunFault::PartWay:
            return N_("No record: started at a checkpoint");
    }
    return "";
}
