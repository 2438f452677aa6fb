#include "app/ui/PausePanel.h"

#include <imgui.h>

#include <algorithm>
#include <ctime>
#include <string>

#include "app/events/EventWords.h"
#include "app/input/Gamepad.h"
#include "app/input/Keyboard.h"
#include "app/settings/KeyNames.h"
#include "app/settings/Translate.h"
#include "app/ui/PanelActions.h"
#include "app/ui/PanelLayout.h"
#include "app/ui/SplitColour.h"

namespace {

const ImU32 kDimming = IM_COL32(0, 0, 0, 140);  // over the scene while paused
const float kButtonEms = 14.0f;                 // button width in font heights
const float kBackEms = 8.0f;                    // under a page with tabs, beside its status
const int kWinRowsShown = 6;                    // the rest scroll
const ImVec4 kNewBestColour(1.0f, 0.85f, 0.3f, 1.0f);
const ImVec4 kRefusalColour(1.0f, 0.45f, 0.35f, 1.0f);

struct FixedControl {
    const char* keys;
    const char* action;
};
// The Controls page's tabs, beside the bound keys and buttons.
const FixedControl kKeyControls[] = {
    {N_("Mouse"), N_("Turn the character and the camera")},
    {N_("Escape"), N_("Quit; on the panels, back")},
};
const FixedControl kFunctionKeys[] = {
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
};
const FixedControl kPadControls[] = {
    {N_("Gamepad left stick"), N_("Walk; fly the debug camera")},
    {N_("Gamepad right stick"), N_("Turn the character and the camera")},
    {N_("Gamepad right shoulder"), N_("Sprint")},
    {N_("Gamepad shoulders"), N_("Debug camera up and down")},
};

template <std::size_t N>
void controlRows(const FixedControl (&rows)[N]) {
    for (const FixedControl& row : rows) {
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(tr(row.keys));
        ImGui::TableNextColumn();
        ImGui::TextUnformatted(tr(row.action));
    }
}

// A tab of the Controls page with its table begun, or false with nothing to end.
bool beginControlsTab(const char* name) {
    if (!ImGui::BeginTabItem(tr(name))) {
        return false;
    }
    if (ImGui::BeginTable("controls", 2)) {
        return true;
    }
    ImGui::EndTabItem();
    return false;
}

void endControlsTab() {
    ImGui::EndTable();
    ImGui::EndTabItem();
}

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

// Why the level cannot be played, in the player's language; the console's line names the fault.
std::string refusalLine(const LevelEntry& entry, const OwnFilesRefused& refused) {
    const std::string name = shownName(entry.level, entry.shipped);
    if (refused.why == OwnFilesRefused::Why::Unreadable) {
        return formatted(tr("%s cannot be played: its model %s cannot be read."), name.c_str(),
                         refused.file.c_str());
    }
    return formatted(tr("%s cannot be played: its own files are larger than a level may have."),
                     name.c_str());
}

const char* proofWords(LevelProofState proof) {
    switch (proof) {
        case LevelProofState::Checking:
            return tr("checking...");
        case LevelProofState::Verified:
            return tr("cleared");
        case LevelProofState::None:
            break;
    }
    return tr("not cleared");
}

}  // namespace

// Only the pack's levels lock, each until the one before it is won. A player's level says
// whether its maker has won it as it stands.
std::string levelRowLabel(const std::vector<LevelEntry>& levels, std::size_t place, bool open) {
    const auto name = [&levels](std::size_t at) {
        return shownName(levels[at].level, levels[at].shipped);
    };
    if (!levels[place].shipped) {
        return name(place) + "  " + proofWords(levels[place].proof);
    }
    if (open || place == 0) {
        return name(place);
    }
    return name(place) + "  " + formatted(tr("Win %s to open"), name(place - 1).c_str());
}

void PausePanel::draw(PanelScope& scope) {
    if (backAsked()) {
        goBack(scope);
    }
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
    // The pages with tabs keep their size from tab to tab; the others fit what they show,
    // which does not change while they are used.
    const bool fixed = page == Page::Options || page == Page::Controls;
    if (fixed) {
        nextFixedPage();
    }
    ImGui::Begin((std::string(tr(title)) + id).c_str(), nullptr,
                 (fixed ? ImGuiWindowFlags_NoResize : ImGuiWindowFlags_AlwaysAutoResize) |
                     ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings);
    switch (page) {
        case Page::Main:
            drawMain(scope);
            break;
        case Page::Options:
            options.draw(scope);
            page = footer(options.status()) ? Page::Main : page;
            break;
        case Page::Controls:
            drawControls(scope.options);
            page = footer("") ? Page::Main : page;
            break;
        case Page::Levels:
            drawLevels(scope);
            break;
        case Page::Results:
            drawResults(scope);
            break;
    }
    ImGui::End();
    escapeTaken =
        scope.wait.awaitingKey() ||
        ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId | ImGuiPopupFlags_AnyPopupLevel);
}

bool PausePanel::backAsked() const {
    const ImGuiIO& io = ImGui::GetIO();
    const bool asked = ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false) ||
                       io.NavInputsDownDuration[ImGuiNavInput_Cancel] == 0.0f;
    return asked && !escapeTaken;
}

void PausePanel::goBack(PanelScope& scope) {
    switch (page) {
        case Page::Main:
            resume(scope);
            break;
        case Page::Levels:
            page = scope.actions.shownResults() ? Page::Results : Page::Main;
            levelRefusal.clear();
            break;
        default:
            page = Page::Main;
            break;
    }
}

void PausePanel::resume(PanelScope& scope) {
    if (scope.actions.shownResults()) {
        page = Page::Results;
    } else {
        scope.actions.resumePlay();
    }
}

void PausePanel::drawMain(PanelScope& scope) {
    if (wideButton(tr("Resume"))) {
        resume(scope);
    }
    ImGui::SetItemDefaultFocus();
    if (wideButton(tr("Options"))) {
        page = Page::Options;
    }
    if (wideButton(tr("Controls"))) {
        page = Page::Controls;
    }
    if (scope.actions.hasBestRun() && wideButton(tr("Watch best run"))) {
        scope.actions.watchBestRun();
    }
    if (wideButton(tr("Levels"))) {
        page = Page::Levels;
    }
    if (wideButton(tr("Make"))) {
        scope.actions.makeLevel();
    }
    if (wideButton(tr("Quit"))) {
        scope.actions.quitAtNextFrame();
    }
    drawRecords(scope.actions.playedRecords());
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
void PausePanel::drawLevels(PanelScope& scope) {
    const std::vector<LevelEntry>& levels = scope.actions.listedLevels();
    if (levels.empty()) {
        ImGui::TextUnformatted(tr("No level could be read."));
    } else if (ImGui::BeginTable("levels", 3, ImGuiTableFlags_SizingFixedFit)) {
        ImGui::TableSetupColumn(tr("Level"));
        ImGui::TableSetupColumn(tr("Par"));
        ImGui::TableSetupColumn(tr("Best"));
        ImGui::TableHeadersRow();
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const LevelEntry& entry = levels[i];
            const bool open = scope.actions.listedOpen(i);
            ImGui::BeginDisabled(!open);
            ImGui::TableNextColumn();
            ImGui::PushID(static_cast<int>(i));
            const std::string label = levelRowLabel(levels, i, open);
            const bool chosen =
                ImGui::Selectable(label.c_str(), false, ImGuiSelectableFlags_SpanAllColumns);
            if (scope.actions.isPlayed(entry)) {
                ImGui::SetItemDefaultFocus();  // the keys and the pad start from the one played
            }
            ImGui::PopID();
            ImGui::TableNextColumn();
            ImGui::Text("%d s", entry.level.parTime);
            ImGui::TableNextColumn();
            const std::optional<float> best = scope.actions.bestTimeIn(entry);
            best ? ImGui::TextUnformatted(formatted("%.2f s", *best).c_str())
                 : ImGui::TextDisabled("-");
            ImGui::EndDisabled();
            if (chosen) {
                chooseLevel(scope, entry);
                break;
            }
        }
        ImGui::EndTable();
    }
    if (!levelRefusal.empty()) {
        // Wrapped at the width of the list, which may be narrower than a path.
        ImGui::PushStyleColor(ImGuiCol_Text, kRefusalColour);
        ImGui::TextWrapped("%s", levelRefusal.c_str());
        ImGui::PopStyleColor();
    }
    if (backButton()) {
        page = scope.actions.shownResults() ? Page::Results : Page::Main;
        levelRefusal.clear();
    }
}

void PausePanel::chooseLevel(PanelScope& scope, const LevelEntry& entry) {
    const std::optional<OwnFilesRefused> refused = scope.actions.playChosen(entry);
    if (refused) {
        page = Page::Levels;
        levelRefusal = refusalLine(entry, *refused);
        return;
    }
    page = Page::Main;
    levelRefusal.clear();
}

// A chosen level's win: the time, the score, the best and the splits, then what next.
void PausePanel::drawResults(PanelScope& scope) {
    const RunResults& results = *scope.actions.shownResults();
    ImGui::TextUnformatted(scope.actions.playedName().c_str());
    ImGui::Separator();
    ImGui::TextUnformatted(formatted(tr("Time   %.2f s"), results.seconds).c_str());
    const float par = static_cast<float>(scope.actions.playedPar());
    ImGui::Text(tr("Par    %d s"), scope.actions.playedPar());
    ImGui::SameLine();
    ImGui::TextColored(splitColour(results.seconds, par), "%s",
                       formatted("%+.2f s", results.seconds - par).c_str());
    ImGui::Text(tr("Score  %d"), results.points);
    if (results.notRecord) {
        ImGui::TextDisabled("%s", tr(runFaultWords(*results.notRecord)));
    }
    if (results.newBest) {
        ImGui::TextColored(kNewBestColour, "%s", tr("New best time!"));
    } else if (results.best) {
        ImGui::TextUnformatted(formatted(tr("Best   %.2f s"), *results.best).c_str());
    }
    for (std::size_t i = 0; i < results.splits.size(); ++i) {
        const RunSplit& split = results.splits[i];
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
        scope.actions.playAgain();
        return;
    }
    ImGui::SetItemDefaultFocus();
    if (const LevelEntry* next = scope.actions.levelAfter(); next && wideButton(tr("Next level"))) {
        chooseLevel(scope, *next);
        return;
    }
    if (wideButton(tr("Levels"))) {
        page = Page::Levels;
    }
    if (wideButton(tr("Make"))) {
        scope.actions.makeLevel();
    }
    if (wideButton(tr("Quit"))) {
        scope.actions.quitAtNextFrame();
    }
}

// In tabs, so that the page fits a 1280x720 screen at the largest text.
void PausePanel::drawControls(const Settings& options) {
    if (!ImGui::BeginTabBar("controls")) {
        return;
    }
    if (beginControlsTab(N_("Keys"))) {
        for (const BoundAction& bound : kBoundActions) {
            ImGui::TableNextColumn();
            ImGui::TextUnformatted(keyName(options.keyBindings.at(bound.name)).c_str());
            ImGui::TableNextColumn();
            ImGui::TextUnformatted(tr(bound.label));
        }
        controlRows(kKeyControls);
        endControlsTab();
    }
    if (beginControlsTab(N_("Function keys"))) {
        controlRows(kFunctionKeys);
        endControlsTab();
    }
    if (beginControlsTab(N_("Gamepad"))) {
        controlRows(kPadControls);
        for (const PadAction& bound : kPadActions) {
            ImGui::TableNextColumn();
            ImGui::Text(tr("Gamepad %s"),
                        padButtonName(options.padBindings.at(bound.name)).c_str());
            ImGui::TableNextColumn();
            ImGui::TextUnformatted(tr(bound.label));
        }
        endControlsTab();
    }
    ImGui::EndTabBar();
}

bool PausePanel::backButton() {
    ImGui::Separator();
    return wideButton(tr("Back"));
}

// One row under the page's body: Back, and beside it what the page last said, cut at the edge.
bool PausePanel::footer(const std::string& status) {
    placeFooter();
    ImGui::Separator();
    const bool back = ImGui::Button(tr("Back"), ImVec2(ImGui::GetFontSize() * kBackEms, 0.0f));
    ImGui::SameLine();
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted(status.c_str());
    return back;
}
