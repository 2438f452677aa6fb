#include <imgui.h>

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "app/editor/Editor.h"
#include "app/settings/Translate.h"
#include "gameplay/LevelFile.h"

namespace {

using Kind = PieceRef::Kind;

const struct {
    Kind kind;
    const char* name;
} kPalette[] = {
    {Kind::Platform, N_("Platform")},  {Kind::Trap, N_("Trap")},
    {Kind::Health, N_("Health pack")}, {Kind::Checkpoint, N_("Checkpoint")},
    {Kind::Goal, N_("Goal")},          {Kind::Start, N_("Start")},
};

const char* nameOf(Kind kind) {
    for (const auto& entry : kPalette) {
        if (entry.kind == kind) {
            return tr(entry.name);
        }
    }
    return "";
}

// Where the panels stand, in shares of the screen: the palette and, below it, room for the
// level's warnings on the left; the properties on the right; the help line at the bottom.
const ImVec2 kPalettePlace(0.01f, 0.02f);
const ImVec2 kPropertiesPlace(0.99f, 0.02f);
const float kHelpHeightShare = 0.97f;
const float kHelpWidthShare = 0.98f;
const float kPositionStep = 0.05f;  // units per pixel dragged
const float kNoteWidthEms = 22.0f;  // the warnings' and the save's lines wrap at this width
// The properties keep one width whatever is selected, so that the grid beside them stays put.
const float kPropertiesWidthEms = 30.0f;
const float kFacingStep = 1.0f;  // degrees per pixel dragged
const ImVec4 kWarningColour(1.0f, 0.8f, 0.3f, 1.0f);
const std::size_t kFileNameBytes = 256;
// A path made for a still platform: one point this far ahead of it, at this speed.
const float kNewPathStep = 4.0f;     // units
const float kNewPathSpeed = 2.0f;    // units per second
const float kSpeedStep = 0.05f;      // units per second per pixel dragged, and the slowest
const float kFastestSpeed = 100.0f;  // units per second
const float kSecondsStep = 0.05f;    // seconds per pixel dragged
// A click into a text field selects its text, so that what is typed replaces it.
const ImGuiInputTextFlags kTextFieldFlags = ImGuiInputTextFlags_AutoSelectAll;
const ImGuiWindowFlags kPanelFlags = ImGuiWindowFlags_AlwaysAutoResize |
                                     ImGuiWindowFlags_NoSavedSettings |
                                     ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove;

void placeWindow(ImVec2 share, ImVec2 pivot) {
    const ImVec2 screen = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(screen.x * share.x, screen.y * share.y), ImGuiCond_Always,
                            pivot);
}

// A text field over a string; true when it changed.
bool editText(const char* label, std::string& text) {
    std::array<char, kFileNameBytes> buffer{};
    std::strncpy(buffer.data(), text.c_str(), buffer.size() - 1);
    if (!ImGui::InputText(label, buffer.data(), buffer.size(), kTextFieldFlags)) {
        return false;
    }
    text = buffer.data();
    return true;
}

bool editLook(PieceLook& look) {
    const bool model = editText(tr("Own model"), look.model);
    const bool image = editText(tr("Own image"), look.image);
    return model || image;
}

// Seconds from none to the file's most.
bool editSeconds(const char* label, float& seconds) {
    return ImGui::DragFloat(label, &seconds, kSecondsStep, 0.0f,
                            static_cast<float>(kMaxPlatformSeconds), "%.2f s");
}

// The path's points, each with its button to remove it while more than one is left, a button
// to add one after the last while the file may hold more, and the speed along them.
bool editPath(PlatformPiece& platform) {
    bool changed = false;
    std::vector<glm::vec3>& path = platform.path;
    for (std::size_t i = 0; i < path.size(); ++i) {
        ImGui::PushID(static_cast<int>(i));
        changed |=
            ImGui::DragFloat3(formatted(tr("Point %zu"), i + 1).c_str(), &path[i].x, kPositionStep);
        if (path.size() > 1) {
            ImGui::SameLine();
            if (ImGui::SmallButton(tr("Remove"))) {
                path.erase(path.begin() + static_cast<std::ptrdiff_t>(i));
                changed = true;
                ImGui::PopID();
                break;
            }
        }
        ImGui::PopID();
    }
    if (path.size() < kMaxPathPoints && ImGui::Button(tr("Add point"))) {
        path.push_back(path.back() + glm::vec3(0.0f, 0.0f, -kNewPathStep));
        changed = true;
    }
    changed |=
        ImGui::DragFloat(tr("Speed"), &platform.speed, kSpeedStep, kSpeedStep, kFastestSpeed);
    changed |= editSeconds(tr("Wait at each end"), platform.wait);
    return changed;
}

// One of the names the look offers, or none: the game's own.
template <std::size_t N>
bool chooseName(const char* label, std::string& chosen,
                const std::array<std::string_view, N>& names) {
    const char* shown = chosen.empty() ? tr("The game's own") : chosen.c_str();
    bool changed = false;
    if (ImGui::BeginCombo(label, shown)) {
        if (ImGui::Selectable(tr("The game's own"), chosen.empty())) {
            changed = !chosen.empty();
            chosen.clear();
        }
        for (const std::string_view name : names) {
            const std::string text(name);
            if (ImGui::Selectable(text.c_str(), chosen == text)) {
                changed |= chosen != text;
                chosen = text;
            }
        }
        ImGui::EndCombo();
    }
    return changed;
}

// A colour the level may give or leave to the game: a box to give it, then its red, green and
// blue from 0 to 1. Given, it starts as the game's own, so that the box alone changes nothing.
bool editColour(const char* label, std::optional<glm::vec3>& colour, glm::vec3 gamesOwn) {
    bool given = colour.has_value();
    if (!given) {
        if (!ImGui::Checkbox(label, &given)) {
            return false;
        }
        colour = gamesOwn;
        return true;
    }
    ImGui::PushID(label);
    bool changed = ImGui::Checkbox("##given", &given);
    ImGui::PopID();
    ImGui::SameLine();
    changed |= ImGui::ColorEdit3(label, &colour->x, ImGuiColorEditFlags_Float);
    if (!given) {
        colour.reset();
    }
    return changed;
}

bool editLevelLook(LevelLook& look) {
    bool changed = chooseName(tr("Platforms"), look.platforms, kPlatformSets);
    changed |= chooseName(tr("Music"), look.music, kMusicLoops);
    changed |= editColour(tr("Sky"), look.sky, kGameSky);
    changed |= editColour(tr("Zenith"), look.skyTop, kGameSkyTop);
    changed |= editColour(tr("Light"), look.light, kGameLight);
    return changed;
}

}  // namespace

void Editor::drawPanels() {
    drawPalette();
    drawProperties();
    drawHelp();
    drawQuitQuestion();
    // A gesture in the panels (a slider dragged) ends when the mouse lets it go.
    if (!ImGui::IsAnyItemActive() && !dragOffset) {
        edit.endGesture();
    }
}

void Editor::drawPalette() {
    placeWindow(kPalettePlace, ImVec2(0.0f, 0.0f));
    ImGui::Begin(tr("Pieces"), nullptr, kPanelFlags);
    for (const auto& entry : kPalette) {
        if (ImGui::Selectable(tr(entry.name), placing == entry.kind)) {
            placing = entry.kind;
        }
    }
    ImGui::Separator();
    ImGui::TextUnformatted(snap > 0.0f ? formatted(tr("Snap %.1f"), snap).c_str() : tr("Snap off"));
    drawWarnings();
    ImGui::End();
}

// The level's warnings as the file's check tells them, and what the last save did.
void Editor::drawWarnings() {
    if (warnedRevision != edit.revision()) {
        warnings = levelWarnings(edit.level(), edit.hasGoal());
        warnedRevision = edit.revision();
    }
    ImGui::PushTextWrapPos(ImGui::GetFontSize() * kNoteWidthEms);
    for (const LevelWarning& warning : warnings) {
        ImGui::TextColored(kWarningColour, "%s", warning.text.c_str());
    }
    if (lastSave) {
        ImGui::Separator();
        ImGui::TextUnformatted(
            lastSave->ok ? formatted(tr("Saved: %s"), saveFile.string().c_str()).c_str()
                         : formatted(tr("Not saved: %s"), lastSave->reason.c_str()).c_str());
    }
    ImGui::Separator();
    ImGui::TextUnformatted(proof.cleared(!unsaved())
                               ? tr("Cleared: your win of it is kept as its proof.")
                               : tr("Not cleared: save it, then win a play-test from its start."));
    ImGui::PopTextWrapPos();
}

void Editor::drawProperties() {
    placeWindow(kPropertiesPlace, ImVec2(1.0f, 0.0f));
    // Its height still fits its rows: only a width given is kept.
    ImGui::SetNextWindowSize(ImVec2(ImGui::GetFontSize() * kPropertiesWidthEms, 0.0f));
    ImGui::Begin(tr("Properties"), nullptr, kPanelFlags);
    if (selected) {
        drawPieceProperties(*selected);
    } else {
        drawLevelProperties();
    }
    if (!ownFilesRefusal.empty()) {
        ImGui::Separator();
        ImGui::TextWrapped("%s", ownFilesRefusal.c_str());
    }
    ImGui::End();
}

void Editor::drawPieceProperties(PieceRef piece) {
    ImGui::TextUnformatted(nameOf(piece.kind));
    glm::vec3 at = edit.positionOf(piece);
    if (ImGui::DragFloat3(tr("Position"), &at.x, kPositionStep)) {
        edit.setPosition(piece, at);
    }
    if (piece.kind == Kind::Start || piece.kind == Kind::Goal) {
        ImGui::TextWrapped("%s",
                           tr("A level has one: placing it from the palette moves this one."));
    }
    if (piece.kind == Kind::Start) {
        float facing = edit.level().facing;
        if (ImGui::DragFloat(tr("Facing (degrees)"), &facing, kFacingStep,
                             -static_cast<float>(kMaxFacingDegrees),
                             static_cast<float>(kMaxFacingDegrees), "%.1f")) {
            edit.setFacing(facing);
        }
        return;
    }
    if (piece.kind == Kind::Goal) {
        return;
    }
    if (drawOrder(piece)) {
        return;  // the piece shown stands elsewhere now
    }
    if (piece.kind == Kind::Platform) {
        drawPlatformProperties(piece.index);
        return;
    }
    const std::vector<Piece>& pieces = piece.kind == Kind::Trap     ? edit.level().traps
                                       : piece.kind == Kind::Health ? edit.level().healthPacks
                                                                    : edit.level().checkpoints;
    Piece changed = pieces[piece.index];
    if (editLook(changed.look)) {
        edit.setPiece(piece, changed);
    }
}

// Where the piece stands in its kind's order, which the autopilot follows and a checkpoint's
// number tells, with the buttons that move it a place.
bool Editor::drawOrder(PieceRef piece) {
    ImGui::TextUnformatted(
        formatted(tr("%d of %zu"), piece.index + 1, edit.count(piece.kind)).c_str());
    ImGui::SameLine();
    const bool earlier = ImGui::SmallButton(tr("Earlier"));
    ImGui::SameLine();
    const bool later = ImGui::SmallButton(tr("Later"));
    if (earlier || later) {
        reorderSelected(later ? 1 : -1);
    }
    return earlier || later;
}

void Editor::drawPlatformProperties(int index) {
    PlatformPiece platform = edit.level().platforms[index];
    bool changed = false;
    int motion = platform.swing ? 1 : platform.path.empty() ? 0 : 2;
    const int before = motion;
    ImGui::RadioButton(tr("Still"), &motion, 0);
    ImGui::SameLine();
    ImGui::RadioButton(tr("Swings"), &motion, 1);
    ImGui::SameLine();
    ImGui::RadioButton(tr("Moves along a path"), &motion, 2);
    if (motion != before) {
        changed = true;
        platform.swing.reset();
        platform.path.clear();
        platform.speed = 0.0f;
        platform.wait = 0.0f;  // a rest and a head start belong to the motion left
        platform.phase = 0.0f;
        if (motion == 1) {
            platform.swing = Swing{0, 1.0f};
        } else if (motion == 2) {
            platform.path.push_back(platform.at + glm::vec3(0.0f, 0.0f, -kNewPathStep));
            platform.speed = kNewPathSpeed;
        }
    }
    if (platform.swing) {
        changed |= ImGui::RadioButton(tr("Along x"), &platform.swing->axis, 0);
        ImGui::SameLine();
        changed |= ImGui::RadioButton(tr("Along z"), &platform.swing->axis, 2);
        changed |= ImGui::DragFloat(tr("Amplitude"), &platform.swing->amplitude, kPositionStep);
    }
    if (!platform.path.empty()) {
        changed |= editPath(platform);
    }
    if (platform.swing || !platform.path.empty()) {
        changed |= editSeconds(tr("Head start"), platform.phase);
    }
    changed |= editLook(platform.look);
    if (changed) {
        edit.setPlatform(index, platform);
    }
}

void Editor::drawLevelProperties() {
    ImGui::TextUnformatted(tr("Level"));
    std::string name = edit.level().name;
    if (editText(tr("Name"), name)) {
        edit.setName(name);
    }
    int par = edit.level().parTime;
    // A number's field, unlike a text's, selects its text on a click of its own.
    if (ImGui::InputInt(tr("Par (seconds)"), &par) && par > 0) {
        edit.setPar(par);
    }
    // Closed until asked for: open, its colour fields widen the panel over the grid.
    if (!ImGui::CollapsingHeader(tr("Look"))) {
        return;
    }
    LevelLook look = edit.level().look;
    if (editLevelLook(look)) {
        edit.setLook(look);
    }
}

void Editor::drawHelp() {
    const ImVec2 screen = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(screen.x * 0.5f, screen.y * kHelpHeightShare), ImGuiCond_Always,
                            ImVec2(0.5f, 1.0f));
    // As wide as the screen lets it, the line wrapped, its height fitting.
    ImGui::SetNextWindowSize(ImVec2(screen.x * kHelpWidthShare, 0.0f));
    ImGui::Begin("##help", nullptr,
                 ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoInputs);
    ImGui::TextWrapped(
        "%s",
        tr("Right mouse: look   Tab: top view   G: snap   Arrows, Page Up/Down: move   "
           "[ ]: earlier/later   Home: find   Del: remove   Ctrl+D: copy   Ctrl+Z/Y: undo/redo   "
           "F5: play   Ctrl+S: save"));
    ImGui::End();
}

// Save saves as Ctrl+S does, then quits; a save refused stays, its reason shown under the
// palette. The popup is known by its title, and stays open for as long as the question is
// asked, Escape closing it too.
void Editor::drawQuitQuestion() {
    const char* title = tr("Unsaved changes");
    if (quitQuestion && !ImGui::IsPopupOpen(title)) {
        ImGui::OpenPopup(title);
    }
    const ImVec2 screen = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(screen.x * 0.5f, screen.y * 0.5f), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    if (!ImGui::BeginPopupModal(title, nullptr, kPanelFlags)) {
        return;
    }
    ImGui::TextUnformatted(tr("Save the changes before quitting?"));
    if (ImGui::Button(tr("Save"))) {
        save();
        quitAnswered = lastSave->ok;
        quitQuestion = false;
    }
    ImGui::SetItemDefaultFocus();
    ImGui::SameLine();
    if (ImGui::Button(tr("Don't save"))) {
        quitAnswered = true;
        quitQuestion = false;
    }
    ImGui::SameLine();
    if (ImGui::Button(tr("Cancel"))) {
        quitQuestion = false;
    }
    if (!quitQuestion) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::EndPopup();
}
