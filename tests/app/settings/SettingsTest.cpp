#include <INIReader.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/settings/Settings.h"
#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/StdoutCapture.h"

namespace {

namespace fs = std::filesystem;

Settings parse(const std::string& text) {
    return readSettings(INIReader(text.data(), text.size()));
}

TEST(Settings, EveryDefaultWhenTheFileIsMissing) {
    const Settings s = loadSettings("no/such/settings.ini");
    EXPECT_EQ(s.width, 1920);
    EXPECT_EQ(s.height, 1080);
    EXPECT_EQ(s.title, "Smeltrun (Ardeko)");
    EXPECT_TRUE(s.fullscreen);
    EXPECT_TRUE(s.resizable);
    EXPECT_EQ(s.refreshRate, 60);
    EXPECT_EQ(s.sampleRate, 4);
    EXPECT_EQ(s.brightness, 0.0f);
    EXPECT_EQ(s.fov, 45.0f);
    EXPECT_EQ(s.nearZ, 0.1f);
    EXPECT_EQ(s.farZ, 1000.0f);
    EXPECT_EQ(s.sensitivity, 5.0f);
    const KeyBindings expected = {{"FORWARD", 87}, {"BACKWARD", 83}, {"LEFT", 65},
                                  {"RIGHT", 68},   {"UP", 82},       {"DOWN", 70},
                                  {"JUMP", 32},    {"SPRINT", 340},  {"PAUSE", 80}};
    EXPECT_EQ(s.keyBindings, expected);
    EXPECT_EQ(s.gravity, -9.8f);
    EXPECT_FALSE(s.invertY);
    EXPECT_TRUE(s.hudEnabled);
    EXPECT_TRUE(s.ghost);
    EXPECT_TRUE(s.pauseOnFocusLoss);
    EXPECT_FALSE(s.unlockAll);
    EXPECT_TRUE(s.vsync);
    EXPECT_EQ(s.maxFps, 0);
    EXPECT_TRUE(s.rawMouse);
    EXPECT_TRUE(s.audioEnabled);
    EXPECT_EQ(s.masterVolume, 0.8f);
    EXPECT_EQ(s.effectsVolume, 1.0f);
    EXPECT_EQ(s.musicVolume, 0.5f);
}

TEST(Settings, EveryKeyIsReadFromItsSection) {
    const Settings s = parse(
        "[window]\nwidth=800\nheight=600\ntitle=Test window\nfullscreen=false\nresizable=off\n"
        "[graphics]\nrefresh_rate=30\nsample_rate=0\nbrightness=0.25\nvsync=no\nmax_fps=30\n"
        "[camera]\nfov=60\nnearZ=0.5\nfarZ=250\nsensitivity=2.5\n[mouse]\nraw=off\n"
        "[keyboard]\nforward=265\nbackward=264\nleft=263\nright=262\nup=32\ndown=341\n"
        "[world]\ngravity=-3.5\n[camera]\ninvert_y=yes\n[hud]\nenabled=no\nghost=off\n"
        "[game]\npause_on_focus_loss=off\nunlock_all=yes\n"
        "[audio]\nenabled=off\nmaster_volume=0.25\neffects_volume=0\nmusic_volume=1\n");
    EXPECT_EQ(s.width, 800);
    EXPECT_EQ(s.height, 600);
    EXPECT_EQ(s.title, "Test window");
    EXPECT_FALSE(s.fullscreen);
    EXPECT_FALSE(s.resizable);
    EXPECT_EQ(s.refreshRate, 30);
    EXPECT_EQ(s.sampleRate, 0);
    EXPECT_EQ(s.brightness, 0.25f);
    EXPECT_FALSE(s.vsync);
    EXPECT_EQ(s.maxFps, 30);
    EXPECT_FALSE(s.rawMouse);
    EXPECT_EQ(s.fov, 60.0f);
    EXPECT_EQ(s.nearZ, 0.5f);
    EXPECT_EQ(s.farZ, 250.0f);
    EXPECT_EQ(s.sensitivity, 2.5f);
    const KeyBindings expected = {{"FORWARD", 265}, {"BACKWARD", 264}, {"LEFT", 263},
                                  {"RIGHT", 262},   {"UP", 32},        {"DOWN", 341},
                                  {"JUMP", 32},     {"SPRINT", 340},   {"PAUSE", 80}};
    EXPECT_EQ(s.keyBindings, expected);
    EXPECT_EQ(s.gravity, -3.5f);
    EXPECT_TRUE(s.invertY);
    EXPECT_FALSE(s.hudEnabled);
    EXPECT_FALSE(s.ghost);
    EXPECT_FALSE(s.pauseOnFocusLoss);
    EXPECT_TRUE(s.unlockAll);
    EXPECT_FALSE(s.audioEnabled);
    EXPECT_EQ(s.masterVolume, 0.25f);
    EXPECT_EQ(s.effectsVolume, 0.0f);
    EXPECT_EQ(s.musicVolume, 1.0f);
}

TEST(Settings, SectionAndKeyNamesIgnoreCase) {
    const Settings s = parse("[WINDOW]\nWidth=1024\nHEIGHT=768\n[Camera]\nNEARZ=0.25\n");
    EXPECT_EQ(s.width, 1024);
    EXPECT_EQ(s.height, 768);
    EXPECT_EQ(s.nearZ, 0.25f);
}

TEST(Settings, IntegersConvertLikeStrtolWithBaseZero) {
    const Settings s =
        parse("[keyboard]\nforward=w\nbackward=0x57\nleft=87\nright=0127\nup=68abc\ndown=\n");
    EXPECT_EQ(s.keyBindings.at("FORWARD"), 87);   // no leading digits: the default W stays
    EXPECT_EQ(s.keyBindings.at("BACKWARD"), 87);  // hexadecimal W
    EXPECT_EQ(s.keyBindings.at("LEFT"), 87);
    EXPECT_EQ(s.keyBindings.at("RIGHT"), 87);  // a leading zero means octal
    EXPECT_EQ(s.keyBindings.at("UP"), 68);     // trailing text is ignored
    EXPECT_EQ(s.keyBindings.at("DOWN"), 70);   // empty: the default F stays
}

TEST(Settings, BooleansTakeTheirWordsInAnyCaseAndOtherwiseKeepTheDefault) {
    EXPECT_FALSE(parse("[window]\nfullscreen=no\n").fullscreen);
    EXPECT_FALSE(parse("[window]\nfullscreen=OFF\n").fullscreen);
    EXPECT_FALSE(parse("[window]\nfullscreen=0\n").fullscreen);
    EXPECT_TRUE(parse("[window]\nfullscreen=maybe\n").fullscreen);
    EXPECT_TRUE(parse("[window]\nfullscreen=\n").fullscreen);
    EXPECT_FALSE(parse("[window]\nresizable=False\n").resizable);
}

TEST(Settings, FloatsConvertLikeStrtof) {
    EXPECT_EQ(parse("[world]\ngravity=0\n").gravity, 0.0f);
    EXPECT_EQ(parse("[world]\ngravity=heavy\n").gravity, -9.8f);
    EXPECT_EQ(parse("[camera]\nfov=60deg\n").fov, 60.0f);
    EXPECT_EQ(parse("[graphics]\nbrightness=1e-1\n").brightness, 0.1f);
    // Converted straight to float, not through a double.
    EXPECT_EQ(parse("[camera]\nsensitivity=0.1\n").sensitivity, std::strtof("0.1", nullptr));
}

TEST(Settings, AKeyOutsideItsSectionIsNotRead) {
    const Settings s = parse("width=800\n[graphics]\nheight=600\n");
    EXPECT_EQ(s.width, 1920);
    EXPECT_EQ(s.height, 1080);
}

// invert_y stood under [camera] before the mouse had its own section; files from then work.
TEST(Settings, InvertYIsReadUnderTheMouseAndStillUnderTheCamera) {
    EXPECT_TRUE(parse("[mouse]\ninvert_y=yes\n").invertY);
    EXPECT_TRUE(parse("[camera]\ninvert_y=yes\n").invertY);
    EXPECT_FALSE(parse("[mouse]\ninvert_y=no\n[camera]\ninvert_y=yes\n").invertY);
}

TEST(Settings, ValuesTheGameCannotUseAreReportedAndKeepTheirDefaults) {
    const struct {
        const char* text;
        const char* key;
    } cases[] = {
        {"[window]\nwidth=0\n", "window.width"},
        {"[window]\nwidth=-640\n", "window.width"},
        {"[window]\nheight=100000\n", "window.height"},
        {"[window]\nwidth=99999999999999999999\n", "window.width"},
        {"[graphics]\nsample_rate=-2\n", "graphics.sample_rate"},
        {"[graphics]\nrefresh_rate=0\n", "graphics.refresh_rate"},
        {"[graphics]\nrefresh_rate=-2\n", "graphics.refresh_rate"},
        {"[graphics]\nbrightness=nan\n", "graphics.brightness"},
        {"[graphics]\nmax_fps=-1\n", "graphics.max_fps"},
        {"[graphics]\nmax_fps=1001\n", "graphics.max_fps"},
        {"[camera]\nfov=0\n", "camera.fov"},
        {"[camera]\nfov=180\n", "camera.fov"},
        {"[camera]\nnearZ=0\n", "camera.nearZ"},
        {"[camera]\nnearZ=5\nfarZ=5\n", "camera.farZ"},
        {"[camera]\nnearZ=600\n", "camera.nearZ"},  // the default farZ is not beyond 1200
        {"[camera]\nfarZ=0.15\n", "camera.farZ"},
        {"[camera]\nsensitivity=inf\n", "camera.sensitivity"},
        {"[camera]\ndistance=2.9\n", "camera.distance"},
        {"[camera]\ndistance=10.5\n", "camera.distance"},
        {"[world]\ngravity=-1e30\n", "world.gravity"},
        {"[audio]\nmaster_volume=1.01\n", "audio.master_volume"},
        {"[audio]\neffects_volume=-0.1\n", "audio.effects_volume"},
        {"[audio]\nmusic_volume=nan\n", "audio.music_volume"},
        {"[keyboard]\njump=31\n", "keyboard.jump"},  // below the lowest key, Space
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        StdoutCapture console;
        const Settings s = parse(c.text);
        EXPECT_EQ(
            console.lines(),
            std::vector<std::string>{std::string("ERROR::SETTINGS::VALUE_OUT_OF_RANGE: ") + c.key});
        const Settings defaults;
        EXPECT_EQ(s.width, defaults.width);
        EXPECT_EQ(s.height, defaults.height);
        EXPECT_EQ(s.sampleRate, defaults.sampleRate);
        EXPECT_EQ(s.refreshRate, defaults.refreshRate);
        EXPECT_EQ(s.brightness, defaults.brightness);
        EXPECT_EQ(s.maxFps, defaults.maxFps);
        EXPECT_EQ(s.fov, defaults.fov);
        EXPECT_EQ(s.cameraDistance, defaults.cameraDistance);
        EXPECT_EQ(s.nearZ, 0.1f);
        EXPECT_EQ(s.farZ, 1000.0f);
        EXPECT_EQ(s.sensitivity, defaults.sensitivity);
        EXPECT_EQ(s.gravity, defaults.gravity);
        EXPECT_EQ(s.masterVolume, defaults.masterVolume);
        EXPECT_EQ(s.effectsVolume, defaults.effectsVolume);
        EXPECT_EQ(s.musicVolume, defaults.musicVolume);
    }
    StdoutCapture console;
    const Settings edges = parse(
        "[window]\nwidth=1\nheight=16384\n[graphics]\nrefresh_rate=-1\n"
        "[camera]\nfov=179\nnearZ=5\nfarZ=10\n");
    EXPECT_EQ(console.text(), "") << "the edges of each range are accepted";
    EXPECT_EQ(edges.refreshRate, -1);  // GLFW's "don't care"
    console.clear();
    parse("[camera]\nnearZ=0\nfarZ=0.15\n");
    EXPECT_EQ(console.lines(),
              (std::vector<std::string>{"ERROR::SETTINGS::VALUE_OUT_OF_RANGE: camera.nearZ",
                                        "ERROR::SETTINGS::VALUE_OUT_OF_RANGE: camera.farZ"}))
        << "each wrong key is reported once";
}

// The assets' file and the player's, each written into a temporary game directory.
struct TwoFiles {
    TwoFiles(const std::string& assets, const std::string& player) : directory(assets) {
        directory.writePlayerSettings(player);
    }
    std::string assets() const { return (directory.path() / "assets/settings.ini").string(); }
    Settings load() const { return loadSettings(assets(), directory.playerSettingsFile()); }
    GameDirectory directory;
};

TEST(Settings, ThePlayerFileWinsAndWhatItLacksKeepsTheAssetsValue) {
    StdoutCapture console;
    const TwoFiles files(
        "[window]\nwidth=800\nheight=600\n[camera]\nfov=60\nfarZ=500\n[world]\ngravity=-3\n",
        "[WINDOW]\nwidth=1024\n[camera]\nfov=200\ninvert_y=true\n[hud]\nenabled=false\n");
    const Settings s = files.load();
    EXPECT_EQ(console.lines(),
              std::vector<std::string>{"ERROR::SETTINGS::VALUE_OUT_OF_RANGE: camera.fov"});
    EXPECT_EQ(s.width, 1024);
    EXPECT_EQ(s.height, 600);
    EXPECT_EQ(s.fov, 45.0f);  // out of range: the default, as for the assets' file alone
    EXPECT_EQ(s.farZ, 500.0f);
    EXPECT_EQ(s.gravity, -3.0f);
    EXPECT_TRUE(s.invertY);
    EXPECT_FALSE(s.hudEnabled);

    console.clear();
    files.directory.writePlayerSettings("[camera]\nnearZ=300\n");
    files.load();
    EXPECT_EQ(console.lines(),
              std::vector<std::string>{"ERROR::SETTINGS::VALUE_OUT_OF_RANGE: camera.farZ"})
        << "the far plane is written, if only in the assets' file";

    console.clear();
    files.directory.writePlayerSettings("[window\nwidth=1024\n");
    const Settings damaged = files.load();
    EXPECT_EQ(console.lines(),
              std::vector<std::string>{"ERROR::SETTINGS::PLAYER_FILE_IGNORED: " +
                                       files.directory.playerSettingsFile().string()});
    EXPECT_EQ(damaged.width, 800);

    console.clear();
    files.directory.writePlayerSettings("[keyboard]\nforward = 99999\nleft = -5\nup = 0x20\n");
    const Settings deadKeys = files.load();
    EXPECT_EQ(console.lines(),
              (std::vector<std::string>{"ERROR::SETTINGS::VALUE_OUT_OF_RANGE: keyboard.forward",
                                        "ERROR::SETTINGS::VALUE_OUT_OF_RANGE: keyboard.left"}));
    EXPECT_EQ(deadKeys.keyBindings.at("FORWARD"), 87) << "W, the default";
    EXPECT_EQ(deadKeys.keyBindings.at("LEFT"), 65) << "A";
    EXPECT_EQ(deadKeys.keyBindings.at("UP"), 32) << "the space bar, the lowest key code";
    saveSettings(deadKeys, files.assets(), files.directory.playerSettingsFile());
    const std::string saved = contentsOf(files.directory.playerSettingsFile());
    EXPECT_EQ(saved.find("99999"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("-5"), std::string::npos) << saved;

    console.clear();
    fs::remove(files.directory.playerSettingsFile());
    EXPECT_EQ(files.load().width, 800);
    EXPECT_EQ(console.text(), "") << "a missing player file is normal";
}

// What a hand-edited file gets wrong is named, in either file; the values read stay as before.
TEST(Settings, WhatWouldBeReadOtherwiseThanMeantIsWarnedOf) {
    StdoutCapture console;
    const TwoFiles files(
        "[window]\nwidht = 800\nwidth = 800\n[sound]\nvolume = 1\n[ camera ]\nfov = 60\n"
        "[graphics]\nsample_rate = 2\n  vsync = false\n[WINDOW]\nWidth = 1024\n",
        "; the player's\n[hud]\nenabled = false\nEnabled = true\n[camera]\ninvert_y = yes\n");
    const Settings s = files.load();
    const std::string assets = (files.directory.path() / "assets/settings.ini").string();
    EXPECT_EQ(console.lines(), (std::vector<std::string>{
                                   "WARNING::SETTINGS::UNKNOWN_KEY: window.widht",
                                   "WARNING::SETTINGS::UNKNOWN_KEY: sound.volume",
                                   "WARNING::SETTINGS::SPACED_SECTION: " + assets + ":6",
                                   "WARNING::SETTINGS::CONTINUED_LINE: " + assets + ":10",
                                   "WARNING::SETTINGS::DUPLICATE_KEY: WINDOW.Width",
                                   "WARNING::SETTINGS::DUPLICATE_KEY: hud.Enabled",
                               }));
    EXPECT_EQ(s.width, 800) << "the first value stays";
    EXPECT_EQ(s.fov, 45.0f) << "the spaced section is not read";
    EXPECT_EQ(s.sampleRate, 2);
    EXPECT_TRUE(s.vsync) << "the indented line is not a key";
    EXPECT_FALSE(s.hudEnabled);
    EXPECT_TRUE(s.invertY);

    console.clear();
    std::string unknown = "[hud]\n";
    for (int i = 0; i < 25; ++i) {
        unknown += "key" + std::to_string(i) + " = 1\n";
    }
    files.directory.writePlayerSettings(unknown);
    files.load();
    const std::vector<std::string> lines = console.lines();
    ASSERT_EQ(lines.size(), 5u + 21u) << "the assets' five, then the player's";
    EXPECT_EQ(lines[24], "WARNING::SETTINGS::UNKNOWN_KEY: hud.key19");
    EXPECT_EQ(lines[25], "WARNING::SETTINGS::MORE_WARNINGS: " +
                             files.directory.playerSettingsFile().string() + ": 5 more");

    console.clear();
    loadSettings(std::string(SMELTRUN_ASSETS_DIR) + "/settings.ini");
    EXPECT_EQ(console.text(), "") << "the game's own file knows every key once";
}

// The player's file holds what differs from the assets' file, and the player's own lines of
// keys that the game does not change.
TEST(Settings, SavedOptionsReadBackExactlyAndNothingElseIsSaved) {
    const TwoFiles files(
        "[window]\ntitle=Kept\nwidth=800\n[graphics]\nrefresh_rate=30\nbrightness=0.5\n"
        "[camera]\nnearZ=0.5\nfarZ=250\n[keyboard]\nforward=1\n[world]\ngravity=-3\n",
        "[world]\ngravity=-5\n[camera]\ninvert_y=false\n");
    Settings chosen;
    chosen.fullscreen = false;
    chosen.width = 1280;
    chosen.height = 720;
    chosen.sampleRate = 2;
    chosen.brightness = -0.3f;
    chosen.fov = 33.333332f;
    chosen.sensitivity = 0.1f;
    chosen.invertY = true;
    chosen.keyBindings = {{"FORWARD", 265}, {"BACKWARD", 264}, {"LEFT", 263},
                          {"RIGHT", 262},   {"UP", 32},        {"DOWN", 341},
                          {"JUMP", 257},    {"SPRINT", 344},   {"PAUSE", 79}};
    chosen.hudEnabled = false;
    chosen.ghost = false;
    chosen.pauseOnFocusLoss = false;
    chosen.unlockAll = true;
    chosen.title = "Not saved";
    chosen.gravity = -20.0f;
    chosen.vsync = false;
    chosen.maxFps = 144;
    chosen.rawMouse = false;
    chosen.audioEnabled = false;
    chosen.masterVolume = 0.3f;
    chosen.effectsVolume = 0.0f;
    chosen.musicVolume = 0.7f;

    StdoutCapture console;
    chosen.height = Settings().height;  // as the assets' file leaves it
    const WriteResult result =
        saveSettings(chosen, files.assets(), files.directory.playerSettingsFile());
    EXPECT_TRUE(result.ok) << result.reason;
    const INIReader written(files.directory.playerSettingsFile().string());
    for (const auto& [section, name] :
         std::vector<std::pair<const char*, const char*>>{{"window", "height"},
                                                          {"window", "title"},
                                                          {"graphics", "refresh_rate"},
                                                          {"camera", "nearZ"},
                                                          {"camera", "invert_y"}}) {
        EXPECT_FALSE(written.HasValue(section, name)) << section << "." << name;
    }
    const Settings s = files.load();
    EXPECT_EQ(console.text(), "");
    EXPECT_FALSE(s.fullscreen);
    EXPECT_EQ(s.width, 1280);
    EXPECT_EQ(s.height, Settings().height);
    EXPECT_EQ(s.sampleRate, 2);
    EXPECT_EQ(s.brightness, -0.3f);
    EXPECT_EQ(s.fov, 33.333332f);
    EXPECT_EQ(s.sensitivity, 0.1f);
    EXPECT_TRUE(s.invertY);
    EXPECT_EQ(s.keyBindings, chosen.keyBindings);
    EXPECT_FALSE(s.hudEnabled);
    EXPECT_FALSE(s.ghost);
    EXPECT_FALSE(s.pauseOnFocusLoss);
    EXPECT_TRUE(s.unlockAll);
    EXPECT_FALSE(s.vsync);
    EXPECT_EQ(s.maxFps, 144);
    EXPECT_FALSE(s.rawMouse);
    EXPECT_FALSE(s.audioEnabled);
    EXPECT_EQ(s.masterVolume, 0.3f);
    EXPECT_EQ(s.effectsVolume, 0.0f);
    EXPECT_EQ(s.musicVolume, 0.7f);
    // What a player cannot change in the game stays with the assets' file.
    EXPECT_EQ(s.title, "Kept");
    EXPECT_EQ(s.refreshRate, 30);
    EXPECT_EQ(s.nearZ, 0.5f);
    EXPECT_EQ(s.farZ, 250.0f);
    EXPECT_EQ(s.gravity, -5.0f) << "the player's own line stays";

    // A folder that cannot be made, since a file stands where it would go.
    const fs::path blocked = files.directory.playerSettingsFile() / "settings.ini";
    const WriteResult failed = saveSettings(chosen, files.assets(), blocked);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.reason, "Not a directory");
    EXPECT_EQ(console.lines(), std::vector<std::string>{"ERROR::SETTINGS::SAVE_FAILED: " +
                                                        blocked.string() + ": Not a directory"});
    EXPECT_EQ(files.load().width, 1280) << "the earlier file is untouched";
}

using PlayerFile = GameFixture;

// After an F11 the player's file holds the full screen alone: an edit of the assets' file
// still takes effect at the next start, as a default changed in a later version would.
TEST_F(PlayerFile, AfterF11AnEditOfTheAssetsFileStillTakesEffect) {
    startGame(kWithoutHudSettings);
    frame();
    input.tap(GLFW_KEY_F11);
    frame();
    writeFile("assets/settings.ini",
              std::string(kWithoutHudSettings) + "[graphics]\nmax_fps = 10\n");
    const Settings next = loadGameSettings();
    EXPECT_EQ(next.maxFps, 10);
    EXPECT_TRUE(next.fullscreen) << "the player's F11 stays";
}

}  // namespace
