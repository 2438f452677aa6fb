#include "gameplay/Event.h"

#include <cstring>
#include <ostream>

#include "gameplay/Touch.h"

namespace {

const struct {
    Action toggle;
    const char* label;
} kToggleLabels[] = {
    {Action::Wireframe, "WIREFRAME: "},      {Action::Culling, "CULLING: "},
    {Action::DebugCamera, "DEBUG CAMERA: "}, {Action::CelShading, "CELSHADING: "},
    {Action::Contour, "CONTOUR: "},          {Action::Specular, "SPECULAR: "},
};

// Nothing for the toggles that the console does not tell (the HUD, the frame overlay).
const char* labelOf(Action toggle) {
    for (const auto& entry : kToggleLabels) {
        if (entry.toggle == toggle) {
            return entry.label;
        }
    }
    return nullptr;
}

// A time as the end lines write it: the stream's default format.
std::ostream& writeSeconds(std::ostream& out, const Event& event) {
    return out << event.seconds << "s";
}

void writeEnd(std::ostream& out, const char* title, const Event& event) {
    writeSeconds(out << title, event) << " | " << event.points << " points" << std::endl;
}

}  // namespace

void writeLines(std::ostream& out, const Event& event) {
    switch (event.kind) {
        case Event::HealthPack:
            out << "HEALTH PACK COLLECTED" << std::endl;
            out << "HEALTH INCREASED BY " << touch::kHealthGain << std::endl;
            break;
        case Event::Trap:
            out << "TRAP TRIGGERED" << std::endl;
            out << "SLOWED FOR " << touch::kSlowSeconds << " SECONDS" << std::endl;
            out << "HEALTH REDUCED BY " << touch::kTrapDamage << std::endl;
            break;
        case Event::Won:
            writeEnd(out, "GAME WON! ", event);
            break;
        case Event::NewBestTime:
            writeSeconds(out << "NEW BEST TIME: ", event) << std::endl;
            break;
        case Event::Lost:
            writeEnd(out, "GAME LOST! ", event);
            out << std::endl;  // a loss leaves an empty line before the next run's events
            break;
        case Event::Toggle:
            if (const char* label = labelOf(event.toggle)) {
                out << label << (event.on ? "ON" : "OFF") << std::endl;
            }
            break;
        case Event::Quit:
            out << "Game has been quit." << std::endl;
            break;
        case Event::Jump:
        case Event::Landing:
        case Event::Step:
        case Event::GamepadConnected:
        case Event::GamepadDisconnected:
        case Event::Checkpoint:
        case Event::ScreenshotSaved:
        case Event::ScreenshotFailed:
            break;
    }
}

bool hasLines(const Event& event) {
    switch (event.kind) {
        case Event::Toggle:
            return labelOf(event.toggle) != nullptr;
        case Event::Jump:
        case Event::Landing:
        case Event::Step:
        case Event::GamepadConnected:
        case Event::GamepadDisconnected:
        case Event::Checkpoint:
        case Event::ScreenshotSaved:
        case Event::ScreenshotFailed:
            return false;
        default:
            return true;
    }
}

Event Event::screenshot(bool saved, const std::string& text) {
    Event event{saved ? ScreenshotSaved : ScreenshotFailed, 0.0f, 0, Action::Count, false, {}, {}};
    const std::size_t room = event.name.size() - 1;
    if (!saved || text.size() <= room) {
        text.copy(event.name.data(), room);
        return event;
    }
    const char* const kCut = "...";
    std::size_t from = text.size() - (room - std::strlen(kCut));
    // Never from the middle of a character's bytes.
    while (from < text.size() && (static_cast<unsigned char>(text[from]) & 0xC0) == 0x80) {
        ++from;
    }
    (kCut + text.substr(from)).copy(event.name.data(), room);
    return event;
}
