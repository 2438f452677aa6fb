#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/settings/Translate.h"
#include "tests/support/GameFixture.h"
#include "tests/support/ShownText.h"

namespace {

namespace fs = std::filesystem;

// The catalogues that this build tree compiled, as the game run from it finds them.
const fs::path kBuiltCatalogues = fs::path(SMELTRUN_BUILD_DIR) / "locale";

// German for as long as it lives, from the build tree's catalogue.
class InGerman {
public:
    InGerman() { translateFrom(kBuiltCatalogues); }
    ~InGerman() { stopTranslating(); }

private:
    EnvironmentOverride language{{{"LANGUAGE", "de"}}};
};

// Numbers keep the width, sign and precision that the format asks for; only their point
// changes, and nothing else in the text does: not a point in a text put in, nor an integer.
TEST(Translation, NumbersInGermanTakeACommaAndNothingElseChanges) {
    const auto sample = [] {
        return formatted("%s %+.2f|%6.1f|%-5g|%.0f|%d|%zu|%ld|%c%%|%.*f|%e", "v1.2", -3.5, 2.25,
                         0.5, 7.0, 42, std::size_t{9}, -8L, 'x', 3, 1.0, 12345.678);
    };
    EXPECT_EQ(sample(), "v1.2 -3.50|   2.2|0.5  |7|42|9|-8|x%|1.000|1.234568e+04");
    const InGerman german;
    EXPECT_STREQ(decimalSign(), ",");
    EXPECT_EQ(sample(), "v1.2 -3,50|   2,2|0,5  |7|42|9|-8|x%|1,000|1,234568e+04");
    EXPECT_EQ(formatted(tr("Time    %.2f s"), 3.5), "Zeit  3,50 s");
}

class German : public GameFixture {
protected:
    void TearDown() override {
        german.reset();
        GameFixture::TearDown();
    }

    std::unique_ptr<InGerman> german;
};

// A loss in German: the HUD writes its time with a comma, and the console, which stays
// English, with a point.
TEST_F(German, TheHudWritesATimeWithACommaAndTheConsoleWithAPoint) {
    startGame();
    german = std::make_unique<InGerman>();
    frame();
    console.clear();
    game->totalTime = 3.25f;
    game->player->health = 0;
    frame(0.0);
    const std::vector<std::string> lines = console.lines();
    ASSERT_EQ(lines.size(), 2u) << console.text();
    EXPECT_EQ(lines[0].rfind("GAME LOST! 3.25s | ", 0), 0u) << lines[0];
    EXPECT_TRUE(showsText("3,25 s")) << shownGlyphs();
    EXPECT_TRUE(showsText("SPIEL VERLOREN! 3,25s")) << shownGlyphs();
    EXPECT_FALSE(showsText("3.25")) << shownGlyphs();
}

// The Levels page names the pack's levels in German, and a player's own level as its file
// does, even when that is the English name of one of the pack's.
TEST_F(German, ThePacksLevelsAreNamedInGermanAndAPlayersOwnAsWritten) {
    // Tall enough for the whole pack and the player's own level below it.
    const char* const kTallWindow =
        "[window]\nwidth = 1280\nheight = 720\nfullscreen = false\n[graphics]\nsample_rate = 0\n";
    startGame(kTallWindow, [](const fs::path& directory) {
        fs::create_directories(directory / "data/smeltrun/levels");
        fs::copy_file(directory / "assets/levels/corners.toml",
                      directory / "data/smeltrun/levels/mine.toml");
    });
    german = std::make_unique<InGerman>();
    input.tap(GLFW_KEY_P);
    frame();
    frame();  // the panel lays itself out in its first frame, before it can be navigated
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, then Levels
    }
    frame();
    EXPECT_TRUE(showsText("Der Parcours")) << shownGlyphs();
    EXPECT_TRUE(showsText("Ecken")) << shownGlyphs();
    EXPECT_TRUE(showsText("Corners")) << "the player's own level: " << shownGlyphs();
    EXPECT_FALSE(showsText("The course")) << shownGlyphs();
}

}  // namespace
