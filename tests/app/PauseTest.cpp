#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"

namespace {

// What moves while the game runs: the clock, the player, a swinging platform, a spinning item
// and a particle of the goal.
struct Motion {
    float clock;
    glm::vec3 player;
    glm::vec3 platform;
    float spin;
    glm::vec3 particle;

    bool operator==(const Motion& other) const {
        return clock == other.clock && player == other.player && platform == other.platform &&
               spin == other.spin && particle == other.particle;
    }
};

class Pause : public GameFixture {
protected:
    Motion motion() const {
        return {game->totalTime, game->player->position, game->platforms[3]->position,
                game->models[1]->rotation.y, game->particleSystems[0]->particles[0].position};
    }
};

TEST_F(Pause, PStopsEveryMotionAndResumingMakesUpNothing) {
    startGame(kSmallWindowSettings);
    frame();
    frame();
    input.press(GLFW_KEY_W);  // walking on, held through the pause
    frame();
    input.tap(GLFW_KEY_P);
    frame();
    ASSERT_TRUE(game->paused);
    EXPECT_EQ(glfwGetInputMode(game->window, GLFW_CURSOR), GLFW_CURSOR_NORMAL);
    const Motion paused = motion();
    for (int i = 0; i < 100; ++i) {
        frame();
    }
    EXPECT_TRUE(motion() == paused) << "something moved while paused";

    input.tap(GLFW_KEY_P);
    input.moveMouse(40, 0);  // the free cursor's travel must not turn the view
    frame();
    EXPECT_FALSE(game->paused);
    EXPECT_EQ(glfwGetInputMode(game->window, GLFW_CURSOR), GLFW_CURSOR_DISABLED);
    EXPECT_NEAR(game->totalTime - paused.clock, 1.0f / 60.0f, kRounding) << "one frame's time";
    EXPECT_NEAR(game->player->position.z - paused.player.z, -5.0f / 60.0f, kRounding);
    EXPECT_EQ(game->player->rotation.y, 0.0f);
}

TEST_F(Pause, LosingTheFocusPauses) {
    startGame(kSmallWindowSettings);
    frame();
    input.focusElsewhere();
    frame();
    EXPECT_TRUE(game->paused);
}

// The pause panel's pages with tabs at 1280x720, for each text size of the Options page's
// slider: every tab fits with Back in view, and the page keeps its place and size from tab to
// tab and when the status line of a change appears.
class PanelsAt720p : public GameFixture, public ::testing::WithParamInterface<float> {
protected:
    struct Shape {
        ImVec2 pos;
        ImVec2 size;
        bool operator==(const Shape& other) const {
            return pos.x == other.pos.x && pos.y == other.pos.y && size.x == other.size.x &&
                   size.y == other.size.y;
        }
    };

    // The page drawn in the last frame, after checking that it and its tab's body fit.
    Shape checkedPage(const char* id, int tab) {
        const ImGuiWindow* page = ImGui::FindWindowByName(id);
        EXPECT_TRUE(page && page->Active) << id;
        if (!page) {
            return {};
        }
        EXPECT_GE(page->Pos.x, 0.0f) << id << " tab " << tab;
        EXPECT_GE(page->Pos.y, 0.0f) << id << " tab " << tab;
        EXPECT_LE(page->Pos.x + page->Size.x, 1280.0f) << id << " tab " << tab;
        EXPECT_LE(page->Pos.y + page->Size.y, 720.0f) << id << " tab " << tab;
        EXPECT_EQ(page->ScrollMax.y, 0.0f) << id << " tab " << tab << ": Back is off the page";
        return {page->Pos, page->Size};
    }

    // From a page's first item up to its tabs, then through them one by one.
    std::vector<Shape> throughTabs(const char* id, int tabs) {
        std::vector<Shape> shapes{checkedPage(id, 0)};
        stroke(GLFW_KEY_UP);
        for (int tab = 1; tab < tabs; ++tab) {
            stroke(GLFW_KEY_RIGHT);
            stroke(GLFW_KEY_SPACE);
            shapes.push_back(checkedPage(id, tab));
        }
        return shapes;
    }
};

TEST_P(PanelsAt720p, PagesWithTabsFitAndKeepTheirShape) {
    // Without multisampling, which the panels' layout does not depend on, a 720p frame costs
    // a quarter of its samples.
    startGame(
        "[window]\nwidth = 1280\nheight = 720\nfullscreen = false\n[graphics]\n"
        "sample_rate = 0\n[hud]\nui_scale = " +
        std::to_string(GetParam()) + "\n");
    frame();
    openOptions();
    const std::vector<Shape> options = throughTabs("###options", 7);
    for (const Shape& shape : options) {
        EXPECT_TRUE(shape == options[0]) << "a tab moved the page";
    }
    stroke(GLFW_KEY_DOWN);
    stroke(GLFW_KEY_SPACE);  // the last tab's first box: a change, saved and said so
    frame();
    EXPECT_TRUE(std::filesystem::exists(gameDirectory().playerSettingsFile()));
    EXPECT_TRUE(checkedPage("###options", 7) == options[0]) << "the status moved the page";

    stroke(GLFW_KEY_ESCAPE);
    frame();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, then Controls
    }
    const std::vector<Shape> controls = throughTabs("###controls", 3);
    for (const Shape& shape : controls) {
        EXPECT_TRUE(shape == controls[0]) << "a tab moved the page";
    }
}

// The slider's ends and steps between.
INSTANTIATE_TEST_SUITE_P(TextSizes, PanelsAt720p,
                         ::testing::Values(0.75f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f));

}  // namespace
