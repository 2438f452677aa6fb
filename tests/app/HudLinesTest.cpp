#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/EventWords.h"

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
