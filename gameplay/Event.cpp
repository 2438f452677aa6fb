#include "gameplay/Event.h"

#include <cstring>

namespace {

// `text` as the event's name; a text too long for it keeps its end, where the file's own name
// or the reason is, after a mark of the cut.
Event named(Event::Kind kind, const std::string& text, bool keepEnd) {
    Event event{kind, 0.0f, 0, Action::Count, false, {}, {}};
    const std::size_t room = event.name.size() - 1;
    if (!keepEnd || text.size() <= room) {
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

}  // namespace

Event Event::screenshot(bool saved, const std::string& text) {
    return named(saved ? ScreenshotSaved : ScreenshotFailed, text, saved);
}

Event Event::levelReread(bool read, const std::string& text) {
    return named(read ? LevelReread : LevelNotReread, text, !read);
}
