#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "app/events/EventWords.h"

namespace {

std::string withoutEmptyLines(const std::string& text) {
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) {
            kept += line + "\n";
        }
    }
    return kept;
}

// Untranslated, the HUD shows of every event with console lines exactly those lines (a
// loss's empty line aside), and of no other event but a pad coming or going.
TEST(HudLines, UntranslatedTheyAreTheConsolesLines) {
    const Event::Name pad = {'P', 'a', 'd'};
    std::vector<Event> events = {Event::of(Event::HealthPack),
                                 Event::of(Event::Trap),
                                 Event::ended(true, 20.516668f, 15400),
                                 Event::ended(false, 3.25f, 0),
                                 Event::lostToCheckpoint(9.5f, 0),
                                 Event::newBestTime(20.516668f),
                                 Event::of(Event::Quit),
                                 Event::of(Event::Jump),
                                 Event::of(Event::Landing),
                                 Event::of(Event::Step),
                                 Event::checkpoint({}, 4.5f, 0)};
    for (std::size_t action = 0; action < kActionCount; ++action) {
        for (const bool on : {false, true}) {
            events.push_back(Event::toggled(static_cast<Action>(action), on));
        }
    }
    for (const Event& event : events) {
        std::ostringstream console, hud;
        writeLines(console, event);
        writeShownLines(hud, event);
        EXPECT_EQ(hud.str(), withoutEmptyLines(console.str())) << "event kind " << event.kind;
        EXPECT_EQ(isShown(event), hasLines(event)) << "event kind " << event.kind;
    }
    for (const bool connected : {false, true}) {
        const Event event = Event::gamepad(connected, pad);
        std::ostringstream hud;
        writeShownLines(hud, event);
        EXPECT_NE(hud.str().find("Pad"), std::string::npos) << hud.str();
        EXPECT_TRUE(isShown(event));
    }
}

std::string consoleOf(const Event& event) {
    std::ostringstream console;
    writeLines(console, event);
    return console.str();
}

// The console's lines stay those first defined, byte for byte, whatever table they come from.
TEST(HudLines, TheConsoleWritesEachKindsLinesAsFirstDefined) {
    EXPECT_EQ(consoleOf(Event::of(Event::HealthPack)),
              "HEALTH PACK COLLECTED\nHEALTH INCREASED BY 1\n");
    EXPECT_EQ(consoleOf(Event::of(Event::Trap)),
              "TRAP TRIGGERED\nSLOWED FOR 2 SECONDS\nHEALTH REDUCED BY -1\n");
    EXPECT_EQ(consoleOf(Event::ended(true, 20.516668f, 15400)),
              "GAME WON! 20.5167s | 15400 points\n");
    EXPECT_EQ(consoleOf(Event::ended(false, 1234567.0f, 0)),
              "GAME LOST! 1.23457e+06s | 0 points\n\n");
    EXPECT_EQ(consoleOf(Event::lostToCheckpoint(9.5f, 0)), "GAME LOST! 9.5s | 0 points\n\n");
    EXPECT_EQ(consoleOf(Event::newBestTime(18.0f)), "NEW BEST TIME: 18s\n");
    EXPECT_EQ(consoleOf(Event::toggled(Action::DebugCamera, true)), "DEBUG CAMERA: ON\n");
    EXPECT_EQ(consoleOf(Event::toggled(Action::Specular, false)), "SPECULAR: OFF\n");
    EXPECT_EQ(consoleOf(Event::toggled(Action::Hud, true)), "");
    EXPECT_EQ(consoleOf(Event::of(Event::Quit)), "Game has been quit.\n");
    const Event::Name pad = {'P', 'a', 'd'};
    EXPECT_EQ(consoleOf(Event::gamepad(true, pad)), "") << "a notice, for the HUD alone";
    EXPECT_EQ(consoleOf(Event::screenshot(true, "/shot.png")), "");
}

// Every kind is told somewhere: on the console, on the HUD or by a sound. Only an event of a
// place sounds from it.
TEST(HudLines, EveryKindIsToldOrHeard) {
    for (int kind = 0; kind < Event::Count; ++kind) {
        Event event = Event::of(static_cast<Event::Kind>(kind));
        event.toggle = Action::Wireframe;
        const std::optional<Cue> cue = cueOf(event);
        EXPECT_TRUE(hasLines(event) || isShown(event) || cue) << "event kind " << kind;
        const bool ofAPlace =
            kind == Event::HealthPack || kind == Event::Trap || kind == Event::Checkpoint;
        EXPECT_TRUE(!cue || !cue->fromPlace || ofAPlace) << "event kind " << kind;
    }
}

// A screenshot's notice names the whole path; one too long for it keeps the file's name at its
// end, and never starts inside a character.
TEST(HudLines, AScreenshotsNoticeKeepsTheEndOfALongPath) {
    const std::string file = "/smeltrun-2026-12-08-130504.png";
    std::string folder = "~/";
    for (int i = 0; i < 60; ++i) {
        folder += "\xc3\xa9";  // two bytes each
    }
    std::ostringstream shown;
    writeShownLines(shown, Event::screenshot(true, "~/Pictures/Smeltrun" + file));
    EXPECT_EQ(shown.str(), "Screenshot saved: ~/Pictures/Smeltrun" + file + "\n");

    for (const std::size_t shift : {0, 1}) {
        const std::string path = std::string(shift, 'z') + folder + file;
        std::ostringstream cut;
        writeShownLines(cut, Event::screenshot(true, path));
        const std::string line = cut.str();
        const std::string kept = line.substr(line.find("...") + 3);
        EXPECT_EQ(line.rfind("Screenshot saved: ...", 0), 0u) << line;
        EXPECT_NE(static_cast<unsigned char>(kept[0]) & 0xC0, 0x80) << line;
        EXPECT_EQ(path.substr(path.size() - (kept.size() - 1)) + "\n", kept);
    }
}

}  // namespace
