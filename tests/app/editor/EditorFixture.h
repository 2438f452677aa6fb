#pragma once

#include <imgui.h>
#include <imgui_internal.h>

#include <optional>
#include <string>

#include "app/files/LevelCatalog.h"
#include "tests/support/GameFixture.h"
#include "tests/support/ShownText.h"

// The editor driven as its maker drives it: the pointer, clicks on the panels' texts and on the
// world, and the keys.

namespace editor_driving {

const int kLeftButton = 1;  // X's numbers
// Large enough that the middle of the level shows between the panels; each pixel of a line
// its own colour.
const char* const kLargeWindowSettings =
    "[window]\nwidth = 1280\nheight = 720\nfullscreen = false\n[graphics]\nsample_rate = 0\n";
// A slider's field ends a little left of its label.
const float kFieldLeftOfLabel = 12.0f;  // pixels

// Whether a point of the window lies under one of the UI's windows drawn in the last frame.
inline bool underPanel(glm::vec2 point) {
    for (const ImGuiWindow* window : ImGui::GetCurrentContext()->Windows) {
        if (window->WasActive && !window->Hidden && point.x >= window->Pos.x &&
            point.y >= window->Pos.y && point.x <= window->Pos.x + window->Size.x &&
            point.y <= window->Pos.y + window->Size.y) {
            return true;
        }
    }
    return false;
}

}  // namespace editor_driving

class EditorFixture : public GameFixture {
protected:
    const Level& edited() const { return game->editor->document().level(); }

    // A level of the player's own, made anew, in the editor.
    PlayedLevel openOwnLevel(const std::string& name) {
        PlayedLevel made;
        made.level = newLevel(name);
        made.shipped = false;
        made.file = playerLevelsFolder() / (name + ".toml");
        game->startEditor(made);
        frame();
        frame();  // the panels lay themselves out in their first frame
        return made;
    }

    // Where a point of the world was drawn in the last frame, in the window's pixels from its
    // top left.
    glm::vec2 onScreen(glm::vec3 world) const {
        const glm::vec4 clip = game->ProjectionMatrix * game->ViewMatrix * glm::vec4(world, 1.0f);
        const glm::vec2 ndc = glm::vec2(clip) / clip.w;
        return glm::vec2(0.5f * (ndc.x + 1.0f) * static_cast<float>(game->framebufferWidth),
                         0.5f * (1.0f - ndc.y) * static_cast<float>(game->framebufferHeight));
    }

    // Moves the pointer onto that point of the window, and lets a frame see it there.
    void pointAt(glm::vec2 inWindow) {
        int x = 0;
        int y = 0;
        glfwGetWindowPos(game->window, &x, &y);
        input.moveMouseTo(x + static_cast<int>(inWindow.x), y + static_cast<int>(inWindow.y));
        frame();
    }

    void click() {
        input.pressButton(editor_driving::kLeftButton);
        frame();
        input.releaseButton(editor_driving::kLeftButton);
        frame();
    }

    // The middle of the panel's first row, as the UI laid it out in the last frame.
    glm::vec2 firstRowOf(const char* panel) const {
        const ImGuiWindow* window = ImGui::FindWindowByName(panel);
        EXPECT_NE(window, nullptr) << panel;
        if (window == nullptr) {
            return glm::vec2(0.0f);
        }
        return glm::vec2(window->DC.CursorStartPos.x + ImGui::GetFontSize(),
                         window->DC.CursorStartPos.y + 0.5f * ImGui::GetFontSize());
    }

    void clickAt(glm::vec2 inWindow) {
        pointAt(inWindow);
        click();
    }

    // Clicks where a point of the world is drawn, which must be clear of the panels.
    void clickOnWorld(glm::vec3 world) {
        const glm::vec2 shown = onScreen(world);
        ASSERT_FALSE(editor_driving::underPanel(shown)) << shown.x << ", " << shown.y;
        clickAt(shown);
    }

    // Clicks the text the UI drew in the last frame: a button's, a radio's, a list's row.
    void clickOn(const std::string& text) {
        const std::optional<ShownBox> shown = whereShown(text);
        ASSERT_TRUE(shown) << text << " is not shown";
        clickAt(shown->middle());
    }

    // Types a whole number into the slider of that label, whose Ctrl+click makes it a text
    // field with its text selected, and Enter takes it.
    void typeInto(const std::string& label, int value) {
        const std::optional<ShownBox> shown = whereShown(label);
        ASSERT_TRUE(shown) << label << " is not shown";
        pointAt(glm::vec2(shown->low.x - editor_driving::kFieldLeftOfLabel, shown->middle().y));
        input.press(GLFW_KEY_LEFT_CONTROL);
        click();
        input.release(GLFW_KEY_LEFT_CONTROL);
        for (const char digit : std::to_string(value)) {
            stroke(GLFW_KEY_0 + (digit - '0'));
        }
        stroke(GLFW_KEY_ENTER);
    }

    void withControl(int key) {
        input.press(GLFW_KEY_LEFT_CONTROL);
        stroke(key);
        input.release(GLFW_KEY_LEFT_CONTROL);
        frame();
    }
};
