#include "gameplay/Event.h"

#include <cstring>

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
