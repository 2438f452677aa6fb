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

}  // namespace
