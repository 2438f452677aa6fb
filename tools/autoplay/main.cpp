// The demo: the real game plays itself to the win through X input, at a fixed frame rate,
// printing its console lines as they come and saving three pictures on the way.
// Run from the repository root under an X display:
//   smeltrun-autoplay [--fps N] [--shots DIR] [--level NAME|FILE] [--window WIDTHxHEIGHT]
// A small --window plays quicker where no picture is wanted: a replay's rules do not see it.
// With --level it plays that level, as the game's --level does, and ends at its results.
// Exit status: 0 for a win; 1 when the game or the level cannot start, or the frames run out;
// 2 for a wrong command line; 3 when the pilot gives up, after its "gave up: ..." line.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "app/Game.h"
#include "app/frame/Clock.h"
#include "render/FrameCapture.h"
#include "tools/autoplay/Playthrough.h"
#include "tools/xdrive/XInput.h"

namespace {

const int kWidth = 1280;  // pixels; a window, so that every frame stays quick
const int kHeight = 720;
const int kMinWindowSide = 16;  // pixels
const int kMaxWindowSide = 8192;
const double kDefaultFramesPerSecond = 60.0;
const int kFrameLimit = 20000;  // a safety net; a won game takes about 1300 frames at 60
const int kStartShotFrame = 30;
const int kGaveUpStatus = 3;

struct Options {
    double framesPerSecond = kDefaultFramesPerSecond;
    std::string shots;  // folder for the pictures; none when empty
    std::string level;  // as --level names it; the course built in code when empty
    int width = kWidth;
    int height = kHeight;
};

bool parseWindow(const char* text, Options& options) {
    char x = 0;
    char rest = 0;
    return std::sscanf(text, "%d%c%d%c", &options.width, &x, &options.height, &rest) == 3 &&
           x == 'x' && options.width >= kMinWindowSide && options.width <= kMaxWindowSide &&
           options.height >= kMinWindowSide && options.height <= kMaxWindowSide;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fps") == 0 && i + 1 < argc) {
            options.framesPerSecond = std::atof(argv[++i]);
        } else if (std::strcmp(argv[i], "--shots") == 0 && i + 1 < argc) {
            options.shots = argv[++i];
        } else if (std::strcmp(argv[i], "--level") == 0 && i + 1 < argc) {
            options.level = argv[++i];
        } else if (std::strcmp(argv[i], "--window") == 0 && i + 1 < argc) {
            if (!parseWindow(argv[++i], options)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return options.framesPerSecond > 0.0;
}

void shoot(const Game& game, const Options& options, const char* name) {
    if (options.shots.empty()) {
        return;
    }
    const std::string path = options.shots + "/" + name;
    if (saveFramePng(path, game.framebufferWidth, game.framebufferHeight)) {
        std::cout << "Screenshot: " << path << std::endl;
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cout << "usage: smeltrun-autoplay [--fps N] [--shots DIR] [--level NAME|FILE] "
                     "[--window WIDTHxHEIGHT]"
                  << std::endl;
        return 2;
    }
    PlayedLevel played;
    if (!options.level.empty()) {
        const std::optional<LevelEntry> level = findLevel(options.level);
        if (!level) {
            return 1;
        }
        played = playedLevel(*level, true);
    }
    Settings settings = loadGameSettings();
    settings.fullscreen = false;
    settings.width = options.width;
    settings.height = options.height;
    try {
        std::unique_ptr<Game> game = std::make_unique<Game>(settings, std::move(played));
        XInput input;
        input.sendThroughGlfw();  // each key reaches the frame after the pilot pressed it
        bool healthShot = false;
        SteppedClock clock;
        const Playthrough played = playWithPilot(
            *game, input, clock, 1.0 / options.framesPerSecond, kFrameLimit, [&](int frame) {
                if (frame == kStartShotFrame) {
                    shoot(*game, options, "start.png");
                }
                if (!healthShot && !game->run.items.empty() &&
                    game->run.items[0].kind == Item::Kind::HealthPack && game->run.items[0].taken) {
                    shoot(*game, options, "health.png");
                    healthShot = true;
                }
            });
        if (played.gaveUp) {
            std::cout << *played.gaveUp << std::endl;
            return kGaveUpStatus;
        }
        const bool won = game->player->goalReached;
        if (won) {
            shoot(*game, options, "goal.png");
        }
        return won ? 0 : 1;
    } catch (const std::exception& error) {
        std::cout << error.what() << std::endl;
        return 1;
    }
}
