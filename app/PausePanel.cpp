#include "app/PausePanel.h"

#include <imgui.h>

#include <algorithm>
#include <ctime>
#include <string>

#include "app/Game.h"
#include "app/KeyNames.h"

namespace {

const ImU32 kDimming = IM_COL32(0, 0, 0, 140);  // over the scene while paused
const float kButtonEms = 14.0f;                 // button width in font heights
const int kWinRowsShown = 6;                    // the rest scroll

const struct {
    const char* keys;
    const char* action;
} kFixedControls[] = {
    {"Space", "Jump"},
    {"Left Shift (hold)", "Sprint"},
    {"Mouse", "Turn the character and the camera"},
    {"P", "Pause and resume"},
    {"Escape", "Quit"},
    {"F1", "Wireframe"},
    {"F2", "Face culling"},
    {"F3", "Debug camera"},
    {"F4", "Cel shading"},
    {"F5", "Contour (with cel shading)"},
    {"F6", "Specular highlights"},
    {"F7", "Show or hide the HUD"},
    {"F8", "Frame-time overlay"},
    {"F11 or Alt+Enter", "Full screen or window"},
    {"Gamepad left stick", "Walk; fly the debug camera"},
    {"Gamepad right stick", "Turn the character and the camera"},
    {"Gamepad A", "Jump"},
    {"Gamepad X or right shoulder", "Sprint"},
    {"Gamepad shoulders", "Debug camera up and down"},
    {"Gamepad Start", "Pause and resume"},
};

// At least kButtonEms wide, and across the panel where it is wider (the records make it so).
bool wideButton(const char* label) {
    const float width =
        std::max(ImGui::GetFontSize() * kButtonEms, ImGui::GetContentRegionAvail().x);
    return ImGui::Button(label, ImVec2(width, 0.0f));
}

// A win's date, kept in UTC as 2024-05-01T12:34:56Z, in the player's local time to the minute;
// as it is kept when it does not read as such.
std::string localDate(const std::string& utc) {
    std::tm parts{};
    const char* end = strptime(utc.c_str(), "%Y-%m-%dT%H:%M:%SZ", &parts);
    if (!end || *end != '\0') {
        return utc;
    }
    const std::time_t when = timegm(&parts);
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local));
}

}  // namespace

void PausePanel::draw(Game& game) {
    const ImGuiViewport* screen = ImGui::GetMainViewport();
    ImGui::GetBackgroundDrawList()->AddRectFilled(
        screen->Pos, ImVec2(screen->Pos.x + screen->Size.x, screen->Pos.y + screen->Size.y),
        kDimming);
    ImGui::SetNextWindowPos(
        ImVec2(screen->Pos.x + screen->Size.x * 0.5f, screen->Pos.y + screen->Size.y * 0.5f),
        ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    // A window of its own for each page, so that keyboard and gamepad navigation start
    // afresh on the page's first item.
    static const char* const titles[] = {"Paused###main", "Options###options",
                                         "Controls###controls"};
    ImGui::Begin(titles[static_cast<int>(page)], nullptr,
                 ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoCollapse |
                     ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings);
    switch (page) {
        case Page::Main:
            drawMain(game);
            break;
        case Page::Options:
            options.draw(game);
            page = backButton() ? Page::Main : page;
            break;
        case Page::Controls:
            drawControls(game);
            page = backButton() ? Page::Main : page;
            break;
    }
    ImGui::End();
}

void PausePanel::drawMain(Game& game) {
    if (wideButton("Resume")) {
        game.setPaused(false);
    }
    ImGui::SetItemDefaultFocus();
    if (wideButton("Options")) {
        page = Page::Options;
    }
    if (wideButton("Controls")) {
        page = Page::Controls;
    }
    if (game.bestRun && wideButton("Watch best run")) {
        game.startReplay(*game.bestRun, Game::AfterReplay::Pause);
    }
    if (wideButton("Quit")) {
        game.askToQuit();
    }
    drawRecords(game.records);
}

// Nothing at all before the first win.
void PausePanel::drawRecords(const Records& records) {
    if (!records.bestTime && !records.bestScore && records.wins.empty()) {
        return;
    }
    ImGui::Separator();
    if (records.bestTime) {
        ImGui::Text("Best time   %.2f s", *records.bestTime);
    }
    if (records.bestScore) {
        ImGui::Text("Best score  %d", *records.bestScore);
    }
    const int rows = std::min(static_cast<int>(records.wins.size()), kWinRowsShown);
    if (rows == 0) {
        return;
    }
    ImGui::TextUnformatted("Last wins, newest first");
    const ImVec2 size(0.0f, ImGui::GetTextLineHeightWithSpacing() * rows);
    if (!ImGui::BeginTable("wins", 3, ImGuiTableFlags_ScrollY, size)) {
        return;
    }
    for (auto win = records.wins.rbegin(); win != records.wins.rend(); ++win) {
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(localDate(win->date).c_str());
        ImGui::TableNextColumn();
        ImGui::Text("%.2f s", win->seconds);
        ImGui::TableNextColumn();
        ImGui::Text("%d", win->points);
    }
    ImGui::EndTable();
}

void PausePanel::drawControls(const Game& game) {
    if (!ImGui::BeginTable("controls", 2)) {
        return;
    }
    for (const BoundAction& bound : kBoundActions) {
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(keyName(game.keyBindings.at(bound.name)).c_str());
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(bound.label);
    }
    for (const auto& fixed : kFixedControls) {
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(fixed.keys);
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(fixed.action);
    }
    ImGui::EndTable();
}

bool PausePanel::backButton() {
    ImGui::Separator();
    return wideButton("Back");
}
