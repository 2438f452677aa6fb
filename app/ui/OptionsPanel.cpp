#include "app/ui/OptionsPanel.h"

#include <GLFW/glfw3.h>
#include <imgui.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "app/input/Keyboard.h"
#include "app/settings/KeyNames.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/Translate.h"
#include "app/ui/PanelActions.h"
#include "app/ui/PanelLayout.h"
#include "base/PlayerFolders.h"

namespace {

const int kMinWindowSide = 320;  // pixels
const int kMaxWindowSide = 7680;
const int kSampleChoices[] = {0, 2, 4, 8, 16};
// Frames per second; 0 is no cap. The settings file takes any cap up to 1000.
const int kFpsChoices[] = {0, 30, 60, 120, 144, 240};
const ImVec4 kConflictColour(1.0f, 0.45f, 0.35f, 1.0f);
const float kKeyButtonEms = 12.0f;  // key button width in font heights
const float kControlEms = 12.0f;  // a slider's, a drop-down's or a field's width, beside its label
const std::size_t kShownBytes = 64;  // room for a slider's value, as ImGui gives it

// Whether the key also stands for another action, bound or fixed.
bool inConflict(const KeyBindings& bindings, const char* action, int key) {
    for (const auto& [other, otherKey] : bindings) {
        if (other != action && otherKey == key) {
            return true;
        }
    }
    return Keyboard::isFixedKey(key);
}

// The slider's format, or, where the player's language writes the value otherwise than printf
// does, that text itself (ImGui shows a format without conversions as it is).
std::string shownFormat(const char* format, float value) {
    std::string shown = formatted(format, value);
    char printed[kShownBytes];
    std::snprintf(printed, sizeof printed, format, value);
    if (shown == printed) {
        return format;
    }
    for (std::size_t percent = shown.find('%'); percent != std::string::npos;
         percent = shown.find('%', percent + 2)) {
        shown.insert(percent, 1, '%');
    }
    return shown;
}

}  // namespace

// One tab a section, so that the page fits a 1280x720 screen at the largest text with Back in
// view. The page's footer shows the status.
void OptionsPanel::draw(PanelScope& scope) {
    finishRebinding(scope);
    if (!ImGui::BeginTabBar("sections")) {
        return;
    }
    const std::pair<const char*, void (OptionsPanel::*)(PanelScope&)> sections[] = {
        {N_("Keys"), &OptionsPanel::drawKeys},       {N_("Gamepad"), &OptionsPanel::drawGamepad},
        {N_("Display"), &OptionsPanel::drawDisplay}, {N_("Look"), &OptionsPanel::drawLook},
        {N_("Mouse"), &OptionsPanel::drawMouse},     {N_("Sound"), &OptionsPanel::drawSound},
        {N_("Play"), &OptionsPanel::drawPlay},
    };
    for (const auto& [name, drawSection] : sections) {
        if (ImGui::BeginTabItem(tr(name))) {
            ImGui::PushItemWidth(ImGui::GetFontSize() * kControlEms);
            (this->*drawSection)(scope);
            ImGui::PopItemWidth();
            ImGui::EndTabItem();
        }
    }
    ImGui::EndTabBar();
}

void OptionsPanel::drawKeys(PanelScope& scope) {
    KeyBindings& bindings = scope.options.keyBindings;
    for (const BoundAction& bound : kBoundActions) {
        ImGui::PushID(bound.name);
        const int key = bindings[bound.name];
        // Known by its row, whatever it shows, so that it keeps the focus when its key changes.
        const std::string shown =
            (rebinding == bound.name ? tr("press a key (Escape: keep)") : keyName(key)) + "###key";
        if (ImGui::Button(shown.c_str(), ImVec2(ImGui::GetFontSize() * kKeyButtonEms, 0.0f))) {
            rebinding = bound.name;
            scope.wait.awaitKey();
        }
        // The keyboard and the pad start on the first key, past the tabs.
        if (&bound == &kBoundActions[0]) {
            ImGui::SetItemDefaultFocus();
        }
        ImGui::SameLine();
        ImGui::TextUnformatted(tr(bound.label));
        if (inConflict(bindings, bound.name, key)) {
            ImGui::SameLine();
            ImGui::TextColored(kConflictColour, "%s", tr("(key in use)"));
        }
        ImGui::PopID();
    }
    if (ImGui::Button(tr("Default keys"))) {
        bindings = kDefaultKeyBindings;
        changed(scope, true);
    }
}

void OptionsPanel::drawGamepad(PanelScope& scope) {
    if (padButtons.draw(scope, statusLine)) {
        const std::string said = statusLine;
        changed(scope, true);
        statusLine = said + statusLine;
    }
}

void OptionsPanel::finishRebinding(PanelScope& scope) {
    if (!rebinding || scope.wait.awaitingKey()) {
        return;
    }
    const int key = scope.wait.takeKey();
    if (key != GLFW_KEY_ESCAPE && key != GLFW_KEY_UNKNOWN) {
        bind(scope, rebinding, key);
    }
    rebinding = nullptr;
}

// A key that means something else is not taken silently: a fixed key (Escape, the function
// keys) is refused, and one bound to another action swaps with this action's key.
void OptionsPanel::bind(PanelScope& scope, const char* action, int key) {
    KeyBindings& bindings = scope.options.keyBindings;
    if (Keyboard::isFixedKey(key)) {
        statusLine =
            formatted(tr("%s is one of the game's own keys; choose another"), keyName(key).c_str());
        return;
    }
    const std::optional<int> swapped = bindSwapping(bindings, action, key);
    changed(scope, true);
    if (swapped) {
        statusLine =
            formatted(tr("%s and %s swapped. "), keyName(key).c_str(), keyName(*swapped).c_str()) +
            statusLine;
    }
}

void OptionsPanel::drawDisplay(PanelScope& scope) {
    Settings& options = scope.options;
    bool windowChanged = ImGui::Checkbox(tr("Full screen"), &options.fullscreen);
    ImGui::InputInt(tr("Width"), &options.width, 0);
    windowChanged = windowChanged || ImGui::IsItemDeactivatedAfterEdit();
    ImGui::InputInt(tr("Height"), &options.height, 0);
    windowChanged = windowChanged || ImGui::IsItemDeactivatedAfterEdit();
    if (windowChanged) {
        options.width = std::clamp(options.width, kMinWindowSide, kMaxWindowSide);
        options.height = std::clamp(options.height, kMinWindowSide, kMaxWindowSide);
        scope.actions.takeWindow();
        changed(scope, true);
    }
    drawFrameCap(scope);
    drawTable(scope, "Display");
}

void OptionsPanel::drawLook(PanelScope& scope) {
    Settings& options = scope.options;
    if (ImGui::BeginCombo(tr("Multisampling (from the next start)"),
                          std::to_string(options.sampleRate).c_str())) {
        for (const int samples : kSampleChoices) {
            if (ImGui::Selectable(std::to_string(samples).c_str(), samples == options.sampleRate)) {
                options.sampleRate = samples;
                changed(scope, true);
            }
        }
        ImGui::EndCombo();
    }
    drawTable(scope, "Look");
}

void OptionsPanel::drawFrameCap(PanelScope& scope) {
    Settings& options = scope.options;
    const auto capName = [](int fps) {
        return fps > 0 ? formatted(tr("%d fps"), fps) : std::string(tr("off"));
    };
    // A cap from the file that is none of the choices shows as it is until another is chosen.
    if (ImGui::BeginCombo(tr("Frame rate cap"), capName(options.maxFps).c_str())) {
        for (const int fps : kFpsChoices) {
            if (ImGui::Selectable(capName(fps).c_str(), fps == options.maxFps)) {
                options.maxFps = fps;
                changed(scope, true);
            }
        }
        ImGui::EndCombo();
    }
}

void OptionsPanel::drawMouse(PanelScope& scope) {
    Settings& options = scope.options;
    drawTable(scope, "Mouse");
    if (ImGui::Checkbox(tr("Raw mouse motion"), &options.rawMouse)) {
        changed(scope, true);
    }
    if (!glfwRawMouseMotionSupported()) {
        ImGui::SameLine();
        ImGui::TextDisabled("%s", tr("(not on this system)"));
    }
}

void OptionsPanel::drawSound(PanelScope& scope) {
    Settings& options = scope.options;
    // Sound asked for and none playing: the system has no device that opens.
    if (options.audioEnabled && !scope.actions.soundPlays()) {
        ImGui::TextDisabled("%s", tr("Sound: no audio device on this system, playing silently"));
    } else if (ImGui::Checkbox(tr("Sound"), &options.audioEnabled)) {
        changed(scope, true);
    }
    drawTable(scope, "Sound");
}

void OptionsPanel::drawPlay(PanelScope& scope) {
    drawTable(scope, "Play");
}

// The settings that the table gives a plain control on this tab, in its order.
void OptionsPanel::drawTable(PanelScope& scope, const char* tab) {
    for (const SettingKey& key : kSettingKeys) {
        if (!key.control || std::strcmp(key.control->tab, tab) != 0) {
            continue;
        }
        const Control& control = *key.control;
        if (const auto* flag = std::get_if<bool Settings::*>(&key.field)) {
            if (ImGui::Checkbox(tr(control.label), &(scope.options.**flag))) {
                changed(scope, true);
            }
        } else if (const auto* number = std::get_if<float Settings::*>(&key.field)) {
            slider(scope, tr(control.label), scope.options.**number, control.low, control.high,
                   tr(control.format));
        } else if (const auto* choice = std::get_if<Choice>(&key.field)) {
            choose(scope, tr(control.label), *choice);
        }
    }
}

void OptionsPanel::choose(PanelScope& scope, const char* label, const Choice& choice) {
    std::string& value = scope.options.*choice.field;
    const auto chosen =
        std::find_if(choice.words.begin(), choice.words.end(),
                     [&value](const ChoiceWord& option) { return value == option.word; });
    if (!ImGui::BeginCombo(label,
                           chosen != choice.words.end() ? tr(chosen->label) : value.c_str())) {
        return;
    }
    for (const ChoiceWord& option : choice.words) {
        if (ImGui::Selectable(tr(option.label), value == option.word)) {
            value = option.word;
            changed(scope, true);
        }
    }
    ImGui::EndCombo();
}

void OptionsPanel::slider(PanelScope& scope, const char* label, float& value, float low, float high,
                          const char* format) {
    if (ImGui::SliderFloat(label, &value, low, high, shownFormat(format, value).c_str())) {
        changed(scope, false);
    }
    // Saved once let go, not at every step of the drag.
    if (ImGui::IsItemDeactivatedAfterEdit()) {
        changed(scope, true);
    }
}

void OptionsPanel::changed(PanelScope& scope, bool complete) {
    scope.actions.takeOptions();
    if (!complete) {
        return;
    }
    const WriteResult saved = savePlayerSettings(scope.options);
    statusLine = saved.ok ? formatted(tr("Saved to %s"), shownPath(playerSettingsPath()).c_str())
                          : formatted(tr("Could not save the options: %s"), saved.reason.c_str());
}
