#include "app/OptionsPanel.h"

#include <GLFW/glfw3.h>
#include <imgui.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "app/Game.h"
#include "app/KeyNames.h"
#include "app/PanelLayout.h"
#include "app/SettingsKeys.h"
#include "app/Translate.h"
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
void OptionsPanel::draw(Game& game) {
    finishRebinding(game);
    if (!ImGui::BeginTabBar("sections")) {
        return;
    }
    const std::pair<const char*, void (OptionsPanel::*)(Game&)> sections[] = {
        {N_("Keys"), &OptionsPanel::drawKeys},       {N_("Gamepad"), &OptionsPanel::drawGamepad},
        {N_("Display"), &OptionsPanel::drawDisplay}, {N_("Look"), &OptionsPanel::drawLook},
        {N_("Mouse"), &OptionsPanel::drawMouse},     {N_("Sound"), &OptionsPanel::drawSound},
        {N_("Play"), &OptionsPanel::drawPlay},
    };
    for (const auto& [name, drawSection] : sections) {
        if (ImGui::BeginTabItem(tr(name))) {
            ImGui::PushItemWidth(ImGui::GetFontSize() * kControlEms);
            (this->*drawSection)(game);
            ImGui::PopItemWidth();
            ImGui::EndTabItem();
        }
    }
    ImGui::EndTabBar();
}

void OptionsPanel::drawKeys(Game& game) {
    KeyBindings& bindings = game.options.keyBindings;
    for (const BoundAction& bound : kBoundActions) {
        ImGui::PushID(bound.name);
        const int key = bindings[bound.name];
        // Known by its row, whatever it shows, so that it keeps the focus when its key changes.
        const std::string shown =
            (rebinding == bound.name ? tr("press a key (Escape: keep)") : keyName(key)) + "###key";
        if (ImGui::Button(shown.c_str(), ImVec2(ImGui::GetFontSize() * kKeyButtonEms, 0.0f))) {
            rebinding = bound.name;
            game.capturingKey = true;
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
        changed(game, true);
    }
}

void OptionsPanel::drawGamepad(Game& game) {
    if (padButtons.draw(game, statusLine)) {
        const std::string said = statusLine;
        changed(game, true);
        statusLine = said + statusLine;
    }
}

void OptionsPanel::finishRebinding(Game& game) {
    if (!rebinding || game.capturingKey) {
        return;
    }
    const int key = game.capturedKey;
    if (key != GLFW_KEY_ESCAPE && key != GLFW_KEY_UNKNOWN) {
        bind(game, rebinding, key);
    }
    rebinding = nullptr;
}

// A key that means something else is not taken silently: a fixed key (Escape, the function
// keys) is refused, and one bound to another action swaps with this action's key.
void OptionsPanel::bind(Game& game, const char* action, int key) {
    KeyBindings& bindings = game.options.keyBindings;
    if (Keyboard::isFixedKey(key)) {
        statusLine =
            formatted(tr("%s is one of the game's own keys; choose another"), keyName(key).c_str());
        return;
    }
    const std::optional<int> swapped = bindSwapping(bindings, action, key);
    changed(game, true);
    if (swapped) {
        statusLine =
            formatted(tr("%s and %s swapped. "), keyName(key).c_str(), keyName(*swapped).c_str()) +
            statusLine;
    }
}

void OptionsPanel::drawDisplay(Game& game) {
    Settings& options = game.options;
    bool windowChanged = ImGui::Checkbox(tr("Full screen"), &options.fullscreen);
    ImGui::InputInt(tr("Width"), &options.width, 0);
    windowChanged = windowChanged || ImGui::IsItemDeactivatedAfterEdit();
    ImGui::InputInt(tr("Height"), &options.height, 0);
    windowChanged = windowChanged || ImGui::IsItemDeactivatedAfterEdit();
    if (windowChanged) {
        options.width = std::clamp(options.width, kMinWindowSide, kMaxWindowSide);
        options.height = std::clamp(options.height, kMinWindowSide, kMaxWindowSide);
        game.applyWindow();
        changed(game, true);
    }
    drawFrameCap(game);
    drawTable(game, "Display");
}

void OptionsPanel::drawLook(Game& game) {
    Settings& options = game.options;
    if (ImGui::BeginCombo(tr("Multisampling (from the next start)"),
                          std::to_string(options.sampleRate).c_str())) {
        for (const int samples : kSampleChoices) {
            if (ImGui::Selectable(std::to_string(samples).c_str(), samples == options.sampleRate)) {
                options.sampleRate = samples;
                changed(game, true);
            }
        }
        ImGui::EndCombo();
    }
    drawTable(game, "Look");
}

void OptionsPanel::drawFrameCap(Game& game) {
    Settings& options = game.options;
    const auto capName = [](int fps) {
        return fps > 0 ? formatted(tr("%d fps"), fps) : std::string(tr("off"));
    };
    // A cap from the file that is none of the choices shows as it is until another is chosen.
    if (ImGui::BeginCombo(tr("Frame rate cap"), capName(options.maxFps).c_str())) {
        for (const int fps : kFpsChoices) {
            if (ImGui::Selectable(capName(fps).c_str(), fps == options.maxFps)) {
                options.maxFps = fps;
                changed(game, true);
            }
        }
        ImGui::EndCombo();
    }
}

void OptionsPanel::drawMouse(Game& game) {
    Settings& options = game.options;
    drawTable(game, "Mouse");
    if (ImGui::Checkbox(tr("Raw mouse motion"), &options.rawMouse)) {
        changed(game, true);
    }
    if (!glfwRawMouseMotionSupported()) {
        ImGui::SameLine();
        ImGui::TextDisabled("%s", tr("(not on this system)"));
    }
}

void OptionsPanel::drawSound(Game& game) {
    Settings& options = game.options;
    // Sound asked for and none playing: the system has no device that opens.
    if (options.audioEnabled && !game.sound.playing()) {
        ImGui::TextDisabled("%s", tr("Sound: no audio device on this system, playing silently"));
    } else if (ImGui::Checkbox(tr("Sound"), &options.audioEnabled)) {
        changed(game, true);
    }
    drawTable(game, "Sound");
}

void OptionsPanel::drawPlay(Game& game) {
    drawTable(game, "Play");
}

// The settings that the table gives a plain control on this tab, in its order.
void OptionsPanel::drawTable(Game& game, const char* tab) {
    for (const SettingKey& key : kSettingKeys) {
        if (!key.control || std::strcmp(key.control->tab, tab) != 0) {
            continue;
        }
        const Control& control = *key.control;
        if (const auto* flag = std::get_if<bool Settings::*>(&key.field)) {
            if (ImGui::Checkbox(tr(control.label), &(game.options.**flag))) {
                changed(game, true);
            }
        } else if (const auto* number = std::get_if<float Settings::*>(&key.field)) {
            slider(game, tr(control.label), game.options.**number, control.low, control.high,
                   tr(control.format));
        } else if (const auto* choice = std::get_if<Choice>(&key.field)) {
            choose(game, tr(control.label), *choice);
        }
    }
}

void OptionsPanel::choose(Game& game, const char* label, const Choice& choice) {
    std::string& value = game.options.*choice.field;
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
            changed(game, true);
        }
    }
    ImGui::EndCombo();
}

void OptionsPanel::slider(Game& game, const char* label, float& value, float low, float high,
                          const char* format) {
    if (ImGui::SliderFloat(label, &value, low, high, shownFormat(format, value).c_str())) {
        changed(game, false);
    }
    // Saved once let go, not at every step of the drag.
    if (ImGui::IsItemDeactivatedAfterEdit()) {
        changed(game, true);
    }
}

void OptionsPanel::changed(Game& game, bool complete) {
    game.applyOptions();
    if (!complete) {
        return;
    }
    const WriteResult saved = savePlayerSettings(game.options);
    statusLine = saved.ok ? formatted(tr("Saved to %s"), shownPath(playerSettingsPath()).c_str())
                          : formatted(tr("Could not save the options: %s"), saved.reason.c_str());
}
