#include "app/EventWords.h"

#include <ostream>

#include "app/Translate.h"
#include "gameplay/Touch.h"

namespace {

// The display toggles whose change the console tells; the rest (the HUD, the frame overlay)
// show nothing.
const struct {
    Action toggle;
    const char* line;  // with the new state, ON or OFF
} kToggleLines[] = {
    {Action::Wireframe, N_("WIREFRAME: %s")},      {Action::Culling, N_("CULLING: %s")},
    {Action::DebugCamera, N_("DEBUG CAMERA: %s")}, {Action::CelShading, N_("CELSHADING: %s")},
    {Action::Contour, N_("CONTOUR: %s")},          {Action::Specular, N_("SPECULAR: %s")},
};

const char* toggleLine(Action toggle) {
    for (const auto& entry : kToggleLines) {
        if (entry.toggle == toggle) {
            return entry.line;
        }
    }
    return nullptr;
}

void line(std::ostream& out, const std::string& text) {
    out << text << '\n';
}

}  // namespace

void writeShownLines(std::ostream& out, const Event& event) {
    // A time as the console writes it: a stream's default, which is printf's %g.
    const double seconds = event.seconds;
    switch (event.kind) {
        case Event::HealthPack:
            line(out, tr("HEALTH PACK COLLECTED"));
            line(out, formatted(tr("HEALTH INCREASED BY %d"), touch::kHealthGain));
            break;
        case Event::Trap:
            line(out, tr("TRAP TRIGGERED"));
            line(out, formatted(tr("SLOWED FOR %g SECONDS"), double{touch::kSlowSeconds}));
            line(out, formatted(tr("HEALTH REDUCED BY %d"), touch::kTrapDamage));
            break;
        case Event::Won:
            line(out, formatted(tr("GAME WON! %gs | %d points"), seconds, event.points));
            break;
        case Event::NewBestTime:
            line(out, formatted(tr("NEW BEST TIME: %gs"), seconds));
            break;
        case Event::Lost:
            line(out, formatted(tr("GAME LOST! %gs | %d points"), seconds, event.points));
            break;
        case Event::Toggle:
            if (const char* toggle = toggleLine(event.toggle)) {
                line(out, formatted(tr(toggle), event.on ? tr("ON") : tr("OFF")));
            }
            break;
        case Event::Quit:
            line(out, tr("Game has been quit."));
            break;
        case Event::GamepadConnected:
            line(out, formatted(tr("Gamepad connected: %s"), event.name.data()));
            break;
        case Event::GamepadDisconnected:
            line(out, formatted(tr("Gamepad disconnected: %s"), event.name.data()));
            break;
        case Event::ScreenshotSaved:
            line(out, formatted(tr("Screenshot saved: %s"), event.name.data()));
            break;
        case Event::ScreenshotFailed:
            line(out, formatted(tr("Screenshot not saved: %s"), event.name.data()));
            break;
        case Event::Jump:
        case Event::Landing:
        case Event::Step:
        case Event::Checkpoint:
            break;
    }
}

bool isShown(const Event& event) {
    switch (event.kind) {
        case Event::GamepadConnected:
        case Event::GamepadDisconnected:
        case Event::ScreenshotSaved:
        case Event::ScreenshotFailed:
            return true;
        default:
            return hasLines(event);
    }
}

const char* runFaultWords(RunFault fault) {
    switch (fault) {
        case RunFault::OtherGravity:
            return N_("No record: another gravity");
        case RunFault::LongFrame:
            return N_("No record: the game stalled");
    }
    return "";
}
