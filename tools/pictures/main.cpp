// Renders the README's pictures from the real game: the start view with the HUD, the pause
// panel, its Levels page, the editor, the goal seen with the debug camera, a chosen level's title
// card, each level of the pack from its start and from above (in OUT_DIR/levels), the follow
// camera beside a platform kept clear of it and, for comparison, let into it, the pieces on each
// platform set, and the classic
// and the enhanced look from one spot, the player in the air over its shadow. Run from the
// repository root under an X display (tools/with-xvfb gives one):
//   smeltrun-pictures OUT_DIR
#include <stb_image_write.h>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/frame/Clock.h"
#include "app/input/Toggles.h"
#include "app/session/PlayedLevel.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "gameplay/LevelLook.h"
#include "render/FrameCapture.h"

namespace {

const int kWidth = 1280;  // pixels
const int kHeight = 720;
const double kStep = 1.0 / 30.0;                    // seconds per frame
const int kSettleFrames = 90;                       // lets the particle ring spread out
const int kCardFrames = 30;                         // a chosen level's title card, not yet fading
const glm::vec3 kGoalViewOffset(3.5f, 2.2f, 5.0f);  // from the goal, up and back to the right
// The health pack in front and the row of three traps behind it, to see them told apart.
const glm::vec3 kPiecesEye(2.0f, 1.5f, -37.0f);
const glm::vec3 kPiecesTarget(-0.5f, -0.5f, -52.0f);
// The looks' spot: the player a jump's height over the second platform, seen from above,
// behind and to the side, the course and the sky ahead.
const glm::vec3 kLookPlayerAt(0.6f, -0.1f, -10.5f);
const glm::vec3 kLookEye(2.8f, 2.6f, -4.0f);
const glm::vec3 kLookTarget(-0.5f, 0.2f, -18.0f);
// The pieces on each platform set: the health pack and a flag beside the first trap.
const glm::vec3 kSetsHealthAt(1.8f, 0.0f, -18.5f);
const glm::vec3 kSetsFlagAt(-2.0f, -0.5f, -18.0f);
const glm::vec3 kSetsEye(2.5f, 1.5f, -13.0f);
const glm::vec3 kSetsTarget(0.0f, -0.3f, -20.0f);
// Looking up from the start as far as the camera goes: the follow camera behind the player
// would sink below the first platform's top.
const float kLookUpPitch = -30.0f;  // degrees
const float kEdgeZ = -2.4f;         // the player near the first platform's far edge
// A level seen from above and from the +z side, high and far enough for all of it.
const float kAboveBase = 6.0f;      // units
const float kAbovePerUnit = 0.45f;  // units higher for each unit the platforms spread
const float kAboveSlant = 1.0f;     // units back for each unit up: looking down at 45 degrees
const char* const kEditorPictureLevel = "first-steps";
const int kChannels = 3;  // RGB

void play(Game& game, int frames, SteppedClock& clock) {
    for (int i = 0; i < frames; ++i) {
        clock.advance(kStep);
        game.update();
        game.render();
    }
}

// Points the debug camera from `eye` at `target`.
void aimAt(const glm::vec3& eye, const glm::vec3& target) {
    const glm::vec3 to = glm::normalize(target - eye);
    camera.position = eye;
    camera.yaw = std::atan2(to.z, to.x) / kDegreesToRadians;
    camera.pitch = std::asin(to.y) / kDegreesToRadians;
}

bool save(const Game& game, const std::string& path) {
    if (!saveFramePng(path, game.framebufferWidth, game.framebufferHeight)) {
        std::cout << "cannot write " << path << std::endl;
        return false;
    }
    std::cout << "wrote " << path << std::endl;
    return true;
}

// The middle of the level's platforms as they stand in its file, and how far they spread.
std::pair<glm::vec3, float> spreadOf(const Level& level) {
    glm::vec3 low = level.platforms.front().at;
    glm::vec3 high = low;
    for (const PlatformPiece& platform : level.platforms) {
        low = glm::min(low, platform.at);
        high = glm::max(high, platform.at);
    }
    const glm::vec3 size = high - low;
    return {(low + high) * 0.5f, std::max(size.x, size.z)};
}

// Each platform set's frame at half size in its quarter of `sheet` (rows top down), each new
// pixel the mean of four.
void placeQuarter(std::vector<unsigned char>& sheet, int width, int height, int quarter) {
    std::vector<unsigned char> frame(static_cast<size_t>(width) * height * kChannels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    const int left = (quarter % 2) * width / 2;
    const int top = (quarter / 2) * height / 2;
    for (int y = 0; y < height / 2; ++y) {
        for (int x = 0; x < width / 2; ++x) {
            for (int c = 0; c < kChannels; ++c) {
                int sum = 0;
                for (const int dy : {0, 1}) {
                    for (const int dx : {0, 1}) {
                        const int row = height - 1 - (2 * y + dy);  // GL's rows run bottom up
                        sum +=
                            frame[(static_cast<size_t>(row) * width + 2 * x + dx) * kChannels + c];
                    }
                }
                sheet[((static_cast<size_t>(top) + y) * width + left + x) * kChannels + c] =
                    static_cast<unsigned char>(sum / 4);
            }
        }
    }
}

// The course's first trap with the health pack and a checkpoint's flag brought beside it, on
// each platform set in turn, the four in one picture: to see through the colour-blind
// simulation that the pieces stand out from every set.
bool drawPiecesOnSets(Game& game, const std::string& path, SteppedClock& clock) {
    const int width = game.framebufferWidth;
    const int height = game.framebufferHeight;
    std::vector<unsigned char> sheet(static_cast<size_t>(width) * height * kChannels);
    for (size_t set = 0; set < kPlatformSets.size(); ++set) {
        PlayedLevel course;
        course.level.look.platforms = kPlatformSets[set];
        course.level.healthPacks[0].at = kSetsHealthAt;
        course.level.checkpoints.push_back(Piece{kSetsFlagAt, {}});
        game.playLevel(course);
        debugCamera = true;
        camera.switchMode(true);
        aimAt(kSetsEye, kSetsTarget);
        play(game, 1, clock);
        placeQuarter(sheet, width, height, static_cast<int>(set));
    }
    if (!stbi_write_png(path.c_str(), width, height, kChannels, sheet.data(), width * kChannels)) {
        std::cout << "cannot write " << path << std::endl;
        return false;
    }
    std::cout << "wrote " << path << std::endl;
    return true;
}

// The pack's second level as it opens when chosen, its title card over it, the HUD shown.
bool drawTitleCard(Game& game, const std::string& path, SteppedClock& clock) {
    debugCamera = false;
    camera.switchMode(false);
    game.ui.hudVisible = true;
    game.playLevel(playedLevel(game.session.levelList()[1], true));
    play(game, kCardFrames, clock);
    game.ui.hudVisible = false;
    return save(game, path);
}

// The player looking up from the start: with the camera's collision the view stays above the
// platform's top; without it, the view from under the floor, the platform gone.
bool drawCameraBesidePlatform(Game& game, const std::string& folder, SteppedClock& clock) {
    const float pitch = camera.pitch;
    glm::vec3 edge = game.player->position;
    edge.z = kEdgeZ;
    for (const bool collision : {true, false}) {
        game.options.cameraCollision = collision;
        camera.pitch = kLookUpPitch;
        game.player->setPosition(edge);
        play(game, 1, clock);
        const char* name = collision ? "/camera-kept-clear.png" : "/camera-without-collision.png";
        if (!save(game, folder + name)) {
            return false;
        }
    }
    game.options.cameraCollision = true;
    camera.pitch = pitch;
    return true;
}

// Each level of the pack from its start, as the player first sees it, and from above.
bool drawPack(Game& game, const std::string& folder, SteppedClock& clock) {
    std::filesystem::create_directories(folder);
    std::vector<LevelEntry> pack;
    for (const LevelEntry& entry : game.session.levelList()) {
        if (entry.inPack) {
            pack.push_back(entry);
        }
    }
    for (const LevelEntry& entry : pack) {
        game.playLevel(playedLevel(entry, true));
        play(game, kSettleFrames, clock);
        if (!save(game, folder + "/" + entry.key + "-start.png")) {
            return false;
        }
        const auto [middle, spread] = spreadOf(entry.level);
        debugCamera = true;
        camera.switchMode(true);
        const float height = kAboveBase + spread * kAbovePerUnit;
        aimAt(middle + glm::vec3(0.0f, height, height * kAboveSlant), middle);
        play(game, 1, clock);
        if (!save(game, folder + "/" + entry.key + "-above.png")) {
            return false;
        }
    }
    return true;
}

// The course in each look, from the same spot, in a game of its own: the look is chosen at
// the start.
bool drawLooks(Settings settings, const std::string& folder) {
    settings.hudEnabled = false;
    for (const char* look : {kClassicLook, kEnhancedLook}) {
        settings.look = look;
        const std::unique_ptr<Game> game = std::make_unique<Game>(settings);
        SteppedClock clock;
        play(*game, kSettleFrames, clock);
        debugCamera = true;
        camera.switchMode(true);
        aimAt(kLookEye, kLookTarget);
        game->player->setPosition(kLookPlayerAt);
        game->render();
        if (!save(*game, folder + "/look-" + look + ".png")) {
            return false;
        }
    }
    return true;
}

// The editor on the pack's first level, its second platform selected: the grid at its height,
// the rings of a jump's reach round it, the palette, the properties and the help line.
bool drawEditor(Game& game, const std::string& path, SteppedClock& clock) {
    for (const LevelEntry& entry : game.session.levelList()) {
        if (entry.key == kEditorPictureLevel) {
            game.startEditor(playedLevel(entry, false));
            game.editor->select(PieceRef{PieceRef::Kind::Platform, 1});
            play(game, 2, clock);  // a window of the UI shows from its second frame
            return save(game, path);
        }
    }
    std::cout << "no level " << kEditorPictureLevel << std::endl;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cout << "usage: smeltrun-pictures OUT_DIR" << std::endl;
        return 2;
    }
    const std::string folder = argv[1];
    Settings settings = loadGameSettings();
    settings.fullscreen = false;
    settings.width = kWidth;
    settings.height = kHeight;
    std::unique_ptr<Game> game = std::make_unique<Game>(settings);
    SteppedClock clock;

    play(*game, kSettleFrames, clock);
    if (!save(*game, folder + "/start.png")) {
        return 1;
    }

    // The pause panel over the dimmed start view.
    game->setPaused(true);
    play(*game, 2, clock);  // a window of the UI shows from its second frame
    if (!save(*game, folder + "/pause.png")) {
        return 1;
    }
    game->ui.pausePanel.showLevels();
    play(*game, 2, clock);
    if (!save(*game, folder + "/levels.png")) {
        return 1;
    }
    game->setPaused(false);

    game->ui.hudVisible = false;
    if (!drawCameraBesidePlatform(*game, folder, clock)) {
        return 1;
    }
    debugCamera = true;
    camera.switchMode(true);
    aimAt(level::kGoalPosition + kGoalViewOffset, level::kGoalPosition);
    play(*game, 1, clock);
    if (!save(*game, folder + "/goal.png")) {
        return 1;
    }
    aimAt(kPiecesEye, kPiecesTarget);
    play(*game, 1, clock);
    if (!save(*game, folder + "/pieces.png")) {
        return 1;
    }
    if (!drawPiecesOnSets(*game, folder + "/pieces-on-sets.png", clock)) {
        return 1;
    }
    if (!drawTitleCard(*game, folder + "/title-card.png", clock)) {
        return 1;
    }
    if (!drawPack(*game, folder + "/levels", clock)) {
        return 1;
    }
    if (!drawEditor(*game, folder + "/editor.png", clock)) {
        return 1;
    }
    game.reset();
    return drawLooks(settings, folder) ? 0 : 1;
}
