#include "app/PausePanel.h"

#include <imgui.h>

#include <algorithm>
#include <ctime>
#include <string>

#include "app/Game.h"
#include "app/KeyNames.h"
#include "app/SplitColour.h"
#include "app/Translate.h"

namespace {

const ImU32 kDimming = IM_COL32(0, 0, 0, 140);  // over the scene while paused
const float kButtonEms = 14.0f;                 // button width in font heights
const int kWinRowsShown = 6;                    // the rest scroll
const ImVec4 kNewBestColour(1.0f, 0.85f, 0.3f, 1.0f);
const char* const kLockedMark = N_("(locked)");  // after a locked level's name

const struct {
    const char* keys;
    const char* action;
} kFixedControls[] = {
    {N_("Mouse"), N_("Turn the character and the camera")},
    {N_("Escape"), N_("Quit")},
    {"F1", N_("Wireframe")},
    {"F2", N_("Face culling")},
    {"F3", N_("Debug camera")},
    {"F4", N_("Cel shading")},
    {"F5", N_("Contour (with cel shading)")},
    {"F6", N_("Specular highlights")},
    {"F7", N_("Show or hide the HUD")},
    {"F8", N_("Frame-time overlay")},
    {N_("F11 or Alt+Enter"), N_("Full screen or window")},
    {"F12", N_("Screenshot, into your pictures")},
    {N_("Gamepad left stick"), N_("Walk; fly the debug camera")},
    {N_("Gamepad right stick"), N_("Turn the character and the camera")},
    {N_("Gamepad right shoulder"), N_("Sprint")},
    {N_("Gamepad shoulders"), N_("Debug camera up and down")},
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
    // afresh on the page's first item; known by its English name, whatever its title says.
    static const char* const titles[][2] = {{N_("Paused"), "###main"},
                                            {N_("Options"), "###options"},
                                            {N_("Controls"), "###controls"},
                                            {N_("Levels"), "###levels"},
                                            {N_("Level complete"), "###results"}};
    const auto& [title, id] = titles[static_cast<int>(page)];
    ImGui::Begin((std::string(tr(title)) + id).c_str(), nullptr,
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
        case Page::Levels:
            drawLevels(game);
            break;
        case Page::Results:
            drawResults(game);
            break;
    }
    ImGui::End();
}

void PausePanel::drawMain(Game& game) {
    if (wideButton(tr("Resume"))) {
        game.setPaused(false);
    }
    ImGui::SetItemDefaultFocus();
    if (wideButton(tr("Options"))) {
        page = Page::Options;
    }
    if (wideButton(tr("Controls"))) {
        page = Page::Controls;
    }
    if (game.bestRun && wideButton(tr("Watch best run"))) {
        game.startReplay(*game.bestRun, Game::AfterReplay::Pause);
    }
    if (wideButton(tr("Levels"))) {
        page = Page::Levels;
    }
    if (wideButton(tr("Quit"))) {
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
        ImGui::TextUnformatted(formatted(tr("Best time   %.2f s"), *records.bestTime).c_str());
    }
    if (records.bestScore) {
        ImGui::Text(tr("Best score  %d"), *records.bestScore);
    }
    const int rows = std::min(static_cast<int>(records.wins.size()), kWinRowsShown);
    if (rows == 0) {
        return;
    }
    ImGui::TextUnformatted(tr("Last wins, newest first"));
    const ImVec2 size(0.0f, ImGui::GetTextLineHeightWithSpacing() * rows);
    if (!ImGui::BeginTable("wins", 3, ImGuiTableFlags_ScrollY, size)) {
        return;
    }
    for (auto win = records.wins.rbegin(); win != records.wins.rend(); ++win) {
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(localDate(win->date).c_str());
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(formatted("%.2f s", win->seconds).c_str());
        ImGui::TableNextColumn();
        ImGui::Text("%d", win->points);
    }
    ImGui::EndTable();
}

// Each level with its par and the player's best time; choosing one plays it. A locked level
// shows greyed and marked, and cannot be chosen.
void PausePanel::drawLevels(Game& game) {
    const std::vector<LevelEntry>& levels = game.levelList();
    if (levels.empty()) {
        ImGui::TextUnformatted(tr("No level could be read."));
    } else if (ImGui::BeginTable("levels", 3, ImGuiTableFlags_SizingFixedFit)) {
        ImGui::TableSetupColumn(tr("Level"));
        ImGui::TableSetupColumn(tr("Par"));
        ImGui::TableSetupColumn(tr("Best"));
        ImGui::TableHeadersRow();
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const LevelEntry& entry = levels[i];
            const bool open = game.levelOpen(i);
            ImGui::BeginDisabled(!open);
            ImGui::TableNextColumn();
            ImGui::PushID(static_cast<int>(i));
            const std::string name = shownName(entry.level, entry.shipped);
            const std::string label = open ? name : name + "  " + tr(kLockedMark);
            const bool chosen =
                ImGui::Selectable(label.c_str(), false, ImGuiSelectableFlags_SpanAllColumns);
            if (entry.level == game.played.level) {
                ImGui::SetItemDefaultFocus();  // the keys and the pad start from the one played
            }
            ImGui::PopID();
            ImGui::TableNextColumn();
            ImGui::Text("%d s", entry.level.parTime);
            ImGui::TableNextColumn();
            const std::optional<float> best = game.bestTimeOf(entry);
            best ? ImGui::TextUnformatted(formatted("%.2f s", *best).c_str())
                 : ImGui::TextDisabled("-");
            ImGui::EndDisabled();
            if (chosen) {
                page = Page::Main;
                game.playLevel(playedLevel(entry, true));
                break;
            }
        }
        ImGui::EndTable();
    }
    if (backButton()) {
        page = game.results ? Page::Results : Page::Main;
    }
}

// A chosen level's win: the time, the score, the best and the splits, then what next.
void PausePanel::drawResults(Game& game) {
    const Game::Results& results = *game.results;
    ImGui::TextUnformatted(shownName(game.played.level, game.played.shipped).c_str());
    ImGui::Separator();
    ImGui::TextUnformatted(formatted(tr("Time   %.2f s"), results.seconds).c_str());
    ImGui::Text(tr("Score  %d"), results.points);
    if (results.newBest) {
        ImGui::TextColored(kNewBestColour, "%s", tr("New best time!"));
    } else if (results.best) {
        ImGui::TextUnformatted(formatted(tr("Best   %.2f s"), *results.best).c_str());
    }
    for (std::size_t i = 0; i < results.splits.size(); ++i) {
        const Game::Split& split = results.splits[i];
        const int checkpoint = static_cast<int>(i) + 1;
        if (split.seconds == kNoSplit) {
            ImGui::TextDisabled(tr("Checkpoint %d   -"), checkpoint);
            continue;
        }
        ImGui::TextUnformatted(
            formatted(tr("Checkpoint %d   %.2f s"), checkpoint, split.seconds).c_str());
        if (split.best != kNoSplit) {
            ImGui::SameLine();
            ImGui::TextColored(splitColour(split.seconds, split.best), "%s",
                               formatted("%+.2f s", split.seconds - split.best).c_str());
        }
    }
    ImGui::Separator();
    if (wideButton(tr("Retry"))) {
        page = Page::Main;
        game.retry();
        return;
    }
    ImGui::SetItemDefaultFocus();
    if (const LevelEntry* next = game.nextLevel(); next && wideButton(tr("Next level"))) {
        page = Page::Main;
        game.playLevel(playedLevel(*next, true));
        return;
    }
    if (wideButton(tr("Levels"))) {
        page = Page::Levels;
    }
    if (wideButton(tr("Quit"))) {
        game.askToQuit();
    }
}

void PausePanel::drawControls(const Game& game) {
    if (!ImGui::BeginTable("controls", 2)) {
        return;
    }
    for (const BoundAction& bound : kBoundActions) {
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(keyName(game.keyBindings.at(bound.name)).c_str());
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(tr(bound.label));
    }
    for (const auto& fixed : kFixedControls) {
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(tr(fixed.keys));
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(tr(fixed.action));
    }
    for (const PadAction& bound : kPadActions) {
        ImGui::TableNextColumn();
        ImGui::Text(tr("Gamepad %s"),
                    padButtonName(game.options.padBindings.at(bound.name)).c_str());
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(tr(bound.label));
    }
    ImGui::EndTable();
}

bool PausePanel::backButton() {
    ImGui::Separator();
    return wideButton(tr("Back"));
}
