#include "app/ui/PadButtonsPanel.h"

#include <GLFW/glfw3.h>
#include <imgui.h>

#include <algorithm>
#include <iterator>

#include "app/input/Gamepad.h"
#include "app/settings/KeyNames.h"
#include "app/settings/Translate.h"
#include "app/ui/PanelActions.h"

namespace {

const float kButtonEms = 12.0f;  // width in font heights, as the keys' buttons

// The first button held on the pad, or -1.
int heldButton(const GLFWgamepadstate& pad) {
    const auto* held = std::find(std::begin(pad.buttons), std::end(pad.buttons), GLFW_PRESS);
    return held == std::end(pad.buttons) ? -1 : static_cast<int>(held - std::begin(pad.buttons));
}

}  // namespace

bool PadButtonsPanel::draw(PanelScope& scope, std::string& status) {
    const bool changed = listen(scope, status);
    ImGui::Separator();
    ImGui::TextUnformatted(tr("Gamepad"));
    KeyBindings& bindings = scope.options.padBindings;
    for (const PadAction& bound : kPadActions) {
        ImGui::PushID(bound.name);
        const std::string shown = rebinding == bound.name ? tr("press a button (any key: keep)")
                                                          : padButtonName(bindings[bound.name]);
        if (ImGui::Button(shown.c_str(), ImVec2(ImGui::GetFontSize() * kButtonEms, 0.0f)) &&
            scope.actions.padInUse()) {
            rebinding = bound.name;
            wait = Wait::LetGo;
            // A key pressed meanwhile keeps the old button, and goes nowhere else.
            scope.wait.awaitKey();
        }
        ImGui::SameLine();
        ImGui::TextUnformatted(tr(bound.label));
        ImGui::PopID();
    }
    if (!scope.actions.padInUse()) {
        ImGui::TextDisabled("%s", tr("(connect a gamepad to change its buttons)"));
    }
    scope.wait.awaitPadButton(wait != Wait::Nothing);
    if (ImGui::Button(tr("Default buttons"))) {
        bindings = kDefaultPadBindings;
        return true;
    }
    return changed;
}

bool PadButtonsPanel::listen(PanelScope& scope, std::string& status) {
    const GLFWgamepadstate* pad = scope.actions.padInUse();
    if (wait == Wait::Nothing) {
        return false;
    }
    if (rebinding && (!pad || !scope.wait.awaitingKey())) {
        scope.wait.giveUpKey();
        wait = Wait::Nothing;
        rebinding = nullptr;
        return false;
    }
    if (!pad) {
        wait = Wait::Nothing;
        return false;
    }
    const int held = heldButton(*pad);
    bool changed = false;
    if (wait == Wait::LetGo && held < 0) {
        wait = Wait::Press;
    } else if (wait == Wait::Press && held >= 0) {
        changed = bind(scope, rebinding, held, status);
        rebinding = nullptr;
        scope.wait.giveUpKey();
        wait = Wait::LetGoOfChoice;
    } else if (wait == Wait::LetGoOfChoice && held < 0) {
        wait = Wait::Nothing;
    }
    return changed;
}

// As with the keys: a button of the pad's own is refused, and one bound to another action
// swaps with this action's button.
bool PadButtonsPanel::bind(PanelScope& scope, const char* action, int button, std::string& status) {
    if (Gamepad::isFixedButton(button)) {
        status = formatted(tr("%s is one of the pad's own buttons; choose another"),
                           padButtonName(button).c_str());
        return false;
    }
    const std::optional<int> swapped = bindSwapping(scope.options.padBindings, action, button);
    status = swapped ? formatted(tr("%s and %s swapped. "), padButtonName(button).c_str(),
                                 padButtonName(*swapped).c_str())
                     : std::string();
    return true;
}
