#include "app/ui/Hud.h"

#include <imgui.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/events/EventWords.h"
#include "app/input/Toggles.h"
#include "app/settings/KeyNames.h"
#include "app/settings/Translate.h"
#include "app/ui/SplitColour.h"
#include "gameplay/Records.h"

namespace {

const float kMessageSeconds = 3.0f;  // shown this long in all
const float kFadeSeconds = 1.0f;     // of which the last part fades out
const float kBackgroundAlpha = 0.35f;
const ImVec4 kSlowColour(0.85f, 0.55f, 1.0f, 1.0f);
const float kLossSeconds = 2.5f;  // the loss in the middle of the screen, fading in its last second
const float kLossHeight = 0.2f;   // of the screen, from the top: above the character
const char* const kLossTitle = N_("GAME LOST");
// A fall past a checkpoint loses nothing but the way back to it.
const char* const kCheckpointTitle = N_("BACK AT THE CHECKPOINT");
const float kHintSeconds = 8.0f;  // the controls' hint at a game's start, fading in its last
const float kHintHeight = 0.85f;  // of the screen, from the top
const char* const kReplayLabel = N_("Replay (P: pause, Escape: quit)");
const float kLossTitleScale = 2.0f;
const ImVec4 kLossColour(1.0f, 0.45f, 0.35f, 1.0f);
const ImVec4 kCheckpointColour(1.0f, 0.85f, 0.3f, 1.0f);
const float kSplitSeconds = 2.5f;  // a checkpoint's split, fading in its last second
const float kSplitHeight = 0.3f;   // of the screen, from the top: below the loss
const float kCardSeconds = 3.0f;   // a chosen level's title card, fading in its last second
const float kCardHeight = 0.35f;   // of the screen, from the top
const float kCardTitleScale = 1.5f;
const ImVec4 kCardColour(1.0f, 1.0f, 1.0f, 1.0f);

const char* const kToggleNames[] = {N_("F1 Wireframe"),   N_("F2 Culling"), N_("F3 Debug camera"),
                                    N_("F4 Cel shading"), N_("F5 Contour"), N_("F6 Specular")};
const std::size_t kCelShading = 3;  // in key order
const std::size_t kContour = 4;

// A toggle is listed where it differs from how the game started, and the contour only with
// cel shading, without which it draws nothing.
bool listed(const HudView& view, std::size_t toggle) {
    return view.toggles[toggle] != kStartToggles[toggle] &&
           (toggle != kContour || view.toggles[kCelShading]);
}

const ImGuiWindowFlags kOverlayFlags =
    ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoInputs |
    ImGuiWindowFlags_NoNav | ImGuiWindowFlags_NoFocusOnAppearing | ImGuiWindowFlags_NoSavedSettings;
// The same, for a window sized by fitNextWindow.
const ImGuiWindowFlags kFittedFlags = kOverlayFlags & ~ImGuiWindowFlags_AlwaysAutoResize;

// Places the next window at a corner of the screen: pivot (0, 0) top left, (1, 0) top right,
// (0, 1) bottom left.
void atCorner(float pivotX, float pivotY) {
    const ImGuiViewport* screen = ImGui::GetMainViewport();
    const float margin = ImGui::GetStyle().WindowPadding.x;
    const ImVec2 position(
        screen->WorkPos.x + (pivotX == 0.0f ? margin : screen->WorkSize.x - margin),
        screen->WorkPos.y + (pivotY == 0.0f ? margin : screen->WorkSize.y - margin));
    ImGui::SetNextWindowPos(position, ImGuiCond_Always, ImVec2(pivotX, pivotY));
    ImGui::SetNextWindowBgAlpha(kBackgroundAlpha);
}

// Places the next window across the middle of the screen, its centre at this share of the
// height from the top, as see-through as a fading window's opacity asks.
void centredAt(float heightShare, float opacity) {
    const ImGuiViewport* screen = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(ImVec2(screen->WorkPos.x + screen->WorkSize.x / 2.0f,
                                   screen->WorkPos.y + screen->WorkSize.y * heightShare),
                            ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowBgAlpha(kBackgroundAlpha * opacity);
}

// Gives the next window the size of this content and its padding. Left to ImGui's auto-fit, a
// window measures new content in one frame and takes its size in the next: a box that grows
// shows cut off for a frame, and one that appears is hidden for its first. A message, such as
// the win's, would be missed in the last frame of a game.
void fitNextWindow(ImVec2 content) {
    const ImVec2 padding = ImGui::GetStyle().WindowPadding;
    ImGui::SetNextWindowSize(ImVec2(content.x + 2.0f * padding.x, content.y + 2.0f * padding.y));
}

// The next window as a title, larger by `scale`, over a line of text. Sized before it begins,
// so that its first frame shows it whole (see fitNextWindow).
void titledBox(const char* id, const char* title, float scale, const ImVec4& colour,
               const std::string& line, float opacity) {
    const ImVec2 titleSize = ImGui::CalcTextSize(title);
    const ImVec2 lineSize = ImGui::CalcTextSize(line.c_str());
    fitNextWindow(ImVec2(std::max(titleSize.x * scale, lineSize.x),
                         titleSize.y * scale + ImGui::GetStyle().ItemSpacing.y + lineSize.y));
    ImGui::PushStyleVar(ImGuiStyleVar_Alpha, opacity);
    ImGui::Begin(id, nullptr, kFittedFlags);
    ImGui::SetWindowFontScale(scale);
    ImGui::TextColored(colour, "%s", title);
    ImGui::SetWindowFontScale(1.0f);
    ImGui::TextUnformatted(line.c_str());
    ImGui::End();
    ImGui::PopStyleVar();
}

// The opacity of something shown for `lasts` seconds, fading out in the last of them.
float opacityAt(double age, float lasts) {
    return std::clamp(static_cast<float>((lasts - age) / kFadeSeconds), 0.0f, 1.0f);
}

// What the keys do, as they are bound.
std::string controlsHint(const KeyBindings& keys) {
    const auto key = [&keys](const char* action) { return keyName(keys.at(action)); };
    return formatted(tr("%s %s %s %s: move    %s: jump    %s: sprint    %s: menu"),
                     key("FORWARD").c_str(), key("LEFT").c_str(), key("BACKWARD").c_str(),
                     key("RIGHT").c_str(), key("JUMP").c_str(), key("SPRINT").c_str(),
                     key("PAUSE").c_str());
}

}  // namespace

void Hud::hear(const Event& event, double now) {
    messages[heardCount % kMessages] = Message{event, now};
    ++heardCount;
    if (event.kind == Event::Lost) {
        loss = Message{event, now};
    }
}

void Hud::hearSplit(const Event& checkpoint, float best, double now) {
    split = Message{checkpoint, now};
    splitBest = best;
}

void Hud::draw(const HudView& view, double now) const {
    drawStatus(view);
    drawToggles(view);
    drawMessages(now);
    drawLoss(now);
    drawSplit(now);
    drawTitleCard(now);
    if (view.replay) {
        drawReplay();
    } else {
        drawHint(view);
    }
}

// Bottom centre, for the first seconds of a game: what the keys do.
void Hud::drawHint(const HudView& view) const {
    const float opacity = opacityAt(view.played, kHintSeconds);
    if (opacity <= 0.0f) {
        return;
    }
    const std::string hint = controlsHint(view.keys);
    centredAt(kHintHeight, opacity);
    fitNextWindow(ImGui::CalcTextSize(hint.c_str()));
    ImGui::PushStyleVar(ImGuiStyleVar_Alpha, opacity);
    ImGui::Begin("##hint", nullptr, kFittedFlags);
    ImGui::TextUnformatted(hint.c_str());
    ImGui::End();
    ImGui::PopStyleVar();
}

// Top centre: what plays is a recorded run, not the player.
void Hud::drawReplay() const {
    const ImGuiViewport* screen = ImGui::GetMainViewport();
    const float margin = ImGui::GetStyle().WindowPadding.y;
    ImGui::SetNextWindowPos(
        ImVec2(screen->WorkPos.x + screen->WorkSize.x / 2.0f, screen->WorkPos.y + margin),
        ImGuiCond_Always, ImVec2(0.5f, 0.0f));
    ImGui::SetNextWindowBgAlpha(kBackgroundAlpha);
    const char* label = tr(kReplayLabel);
    fitNextWindow(ImGui::CalcTextSize(label));
    ImGui::Begin("##replay", nullptr, kFittedFlags);
    ImGui::TextUnformatted(label);
    ImGui::End();
}

// A loss starts the run again at once: the middle of the screen says so for a moment, with
// the run's time and score, where the corner's line is easily missed; or, after a checkpoint,
// that the run goes on from there.
void Hud::drawLoss(double now) const {
    const char* lost = lossTitle(now);
    if (!lost) {
        return;
    }
    const float opacity = opacityAt(now - loss->heard, kLossSeconds);
    centredAt(kLossHeight, opacity);
    const bool toCheckpoint = loss->event.on;
    const std::string result =
        toCheckpoint ? formatted(tr("%.2f s, the clock runs on"), loss->event.seconds)
                     : formatted(tr("%.2f s   %d points"), loss->event.seconds, loss->event.points);
    titledBox("##loss", lost, kLossTitleScale, toCheckpoint ? kCheckpointColour : kLossColour,
              result, opacity);
}

const char* Hud::lossTitle(double now) const {
    if (!loss || opacityAt(now - loss->heard, kLossSeconds) <= 0.0f) {
        return nullptr;
    }
    return tr(loss->event.on ? kCheckpointTitle : kLossTitle);
}

void Hud::showTitleCard(const std::string& name, int parSeconds, std::optional<float> best,
                        double now) {
    const std::string bestTime = best ? formatted(tr("%.2f s"), *best) : std::string("-");
    cardLines = {name, formatted(tr("Par %d s    Best %s"), parSeconds, bestTime.c_str())};
    cardShown = now;
}

std::vector<std::string> Hud::titleCard(double now) const {
    if (cardShown < 0.0 || opacityAt(now - cardShown, kCardSeconds) <= 0.0f) {
        return {};
    }
    return {cardLines.begin(), cardLines.end()};
}

void Hud::drawTitleCard(double now) const {
    const float opacity = cardShown < 0.0 ? 0.0f : opacityAt(now - cardShown, kCardSeconds);
    if (opacity <= 0.0f) {
        return;
    }
    centredAt(kCardHeight, opacity);
    titledBox("##titlecard", cardLines[0].c_str(), kCardTitleScale, kCardColour, cardLines[1],
              opacity);
}

// The run's time at the checkpoint, and against the best run's: ahead in green, behind in red.
void Hud::drawSplit(double now) const {
    const float opacity = split ? opacityAt(now - split->heard, kSplitSeconds) : 0.0f;
    if (opacity <= 0.0f) {
        return;
    }
    const std::string title =
        formatted(tr("Checkpoint %d   %.2f s"), split->event.points + 1, split->event.seconds);
    const std::string against = splitBest != kNoSplit
                                    ? formatted("%+.2f s", split->event.seconds - splitBest)
                                    : std::string();
    const ImVec2 line = ImGui::CalcTextSize(title.c_str());
    const ImVec2 second = ImGui::CalcTextSize(against.c_str());
    centredAt(kSplitHeight, opacity);
    fitNextWindow(
        ImVec2(std::max(line.x, second.x),
               line.y + (against.empty() ? 0.0f : ImGui::GetTextLineHeightWithSpacing())));
    ImGui::PushStyleVar(ImGuiStyleVar_Alpha, opacity);
    ImGui::Begin("##split", nullptr, kFittedFlags);
    ImGui::TextUnformatted(title.c_str());
    if (!against.empty()) {
        ImGui::TextColored(splitColour(split->event.seconds, splitBest), "%s", against.c_str());
    }
    ImGui::End();
    ImGui::PopStyleVar();
}

void Hud::drawStatus(const HudView& view) const {
    atCorner(0.0f, 0.0f);
    ImGui::Begin("##status", nullptr, kOverlayFlags);
    ImGui::Text(tr("Health  %d"), view.health);
    ImGui::TextUnformatted(formatted(tr("Time    %.2f s"), view.clock).c_str());
    if (view.bestTime) {
        ImGui::SameLine();
        ImGui::TextDisabled("%s", formatted(tr("best %.2f s"), *view.bestTime).c_str());
    }
    if (view.slowLeft > 0.0f) {
        ImGui::TextColored(kSlowColour, "%s",
                           formatted(tr("Slowed  %.1f s"), view.slowLeft).c_str());
    }
    ImGui::End();
}

void Hud::drawToggles(const HudView& view) const {
    bool any = false;
    for (std::size_t i = 0; i < view.toggles.size(); ++i) {
        any = any || listed(view, i);
    }
    if (!any) {
        return;
    }
    atCorner(1.0f, 0.0f);
    ImGui::Begin("##toggles", nullptr, kOverlayFlags);
    for (std::size_t i = 0; i < view.toggles.size(); ++i) {
        if (listed(view, i)) {
            ImGui::Text("%s %s", tr(kToggleNames[i]), view.toggles[i] ? tr("on") : tr("off"));
        }
    }
    ImGui::End();
}

std::vector<std::string> Hud::messageLines(double now) const {
    std::vector<std::string> shown;
    for (const auto& [line, opacity] : fadingLines(now)) {
        shown.push_back(line);
    }
    return shown;
}

std::vector<std::pair<std::string, float>> Hud::fadingLines(double now) const {
    const std::size_t kept = std::min(heardCount, kMessages);
    std::vector<std::pair<std::string, float>> lines;  // with their opacity
    for (std::size_t i = heardCount - kept; i < heardCount; ++i) {
        const Message& message = messages[i % kMessages];
        const float opacity = opacityAt(now - message.heard, kMessageSeconds);
        if (opacity <= 0.0f) {
            continue;
        }
        std::ostringstream text;
        writeShownLines(text, message.event);
        std::istringstream split(text.str());
        for (std::string line; std::getline(split, line);) {
            if (!line.empty()) {
                lines.emplace_back(line, opacity);
            }
        }
    }
    return lines;
}

void Hud::drawMessages(double now) const {
    const std::vector<std::pair<std::string, float>> lines = fadingLines(now);
    if (lines.empty()) {
        return;
    }
    ImVec2 size(0.0f, 0.0f);
    for (const auto& [line, opacity] : lines) {
        size.x = std::max(size.x, ImGui::CalcTextSize(line.c_str()).x);
    }
    size.y = static_cast<float>(lines.size()) * ImGui::GetTextLineHeightWithSpacing() -
             ImGui::GetStyle().ItemSpacing.y;
    atCorner(0.0f, 1.0f);
    fitNextWindow(size);
    ImGui::Begin("##messages", nullptr, kFittedFlags);
    for (const auto& [line, opacity] : lines) {
        ImGui::PushStyleVar(ImGuiStyleVar_Alpha, opacity);
        ImGui::TextUnformatted(line.c_str());
        ImGui::PopStyleVar();
    }
    ImGui::End();
}
