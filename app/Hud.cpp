#include "app/Hud.h"

#include <imgui.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Toggles.h"

namespace {

const float kMessageSeconds = 3.0f;  // shown this long in all
const float kFadeSeconds = 1.0f;     // of which the last part fades out
const float kBackgroundAlpha = 0.35f;
const ImVec4 kSlowColour(0.85f, 0.55f, 1.0f, 1.0f);

const char* const kToggleNames[] = {"F1 Wireframe",   "F2 Culling", "F3 Debug camera",
                                    "F4 Cel shading", "F5 Contour", "F6 Specular"};
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

float opacityAt(double age) {
    return std::clamp(static_cast<float>((kMessageSeconds - age) / kFadeSeconds), 0.0f, 1.0f);
}

}  // namespace

void Hud::hear(const Event& event, double now) {
    messages[heardCount % kMessages] = Message{event, now};
    ++heardCount;
}

void Hud::draw(const HudView& view, double now) const {
    drawStatus(view);
    drawToggles(view);
    drawMessages(now);
}

void Hud::drawStatus(const HudView& view) const {
    atCorner(0.0f, 0.0f);
    ImGui::Begin("##status", nullptr, kOverlayFlags);
    ImGui::Text("Health  %d", view.health);
    ImGui::Text("Time    %.2f s", view.clock);
    if (view.bestTime) {
        ImGui::SameLine();
        ImGui::TextDisabled("best %.2f s", *view.bestTime);
    }
    if (view.slowLeft > 0.0f) {
        ImGui::TextColored(kSlowColour, "Slowed  %.1f s", view.slowLeft);
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
            ImGui::Text("%s %s", kToggleNames[i], view.toggles[i] ? "on" : "off");
        }
    }
    ImGui::End();
}

void Hud::drawMessages(double now) const {
    const std::size_t kept = std::min(heardCount, kMessages);
    std::vector<std::pair<std::string, float>> lines;  // with their opacity
    for (std::size_t i = heardCount - kept; i < heardCount; ++i) {
        const Message& message = messages[i % kMessages];
        const float opacity = opacityAt(now - message.heard);
        if (opacity <= 0.0f) {
            continue;
        }
        std::ostringstream text;
        writeLines(text, message.event);
        writeNotice(text, message.event);
        std::istringstream split(text.str());
        for (std::string line; std::getline(split, line);) {
            if (!line.empty()) {
                lines.emplace_back(line, opacity);
            }
        }
    }
    if (lines.empty()) {
        return;
    }
    // The box fits the lines in the frame they arrive: left to itself, a window that fits its
    // content measures it in one frame and takes its size in the next.
    ImVec2 size(0.0f, 0.0f);
    for (const auto& [line, opacity] : lines) {
        size.x = std::max(size.x, ImGui::CalcTextSize(line.c_str()).x);
    }
    size.y = static_cast<float>(lines.size()) * ImGui::GetTextLineHeightWithSpacing() -
             ImGui::GetStyle().ItemSpacing.y;
    atCorner(0.0f, 1.0f);
    ImGui::SetNextWindowContentSize(size);
    ImGui::Begin("##messages", nullptr, kOverlayFlags);
    for (const auto& [line, opacity] : lines) {
        ImGui::PushStyleVar(ImGuiStyleVar_Alpha, opacity);
        ImGui::TextUnformatted(line.c_str());
        ImGui::PopStyleVar();
    }
    ImGui::End();
}
