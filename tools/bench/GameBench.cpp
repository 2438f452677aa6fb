// The game's benchmark: frame times along the whole level at 1280x720 and 1920x1080, with and
// without multisampling, against two reference frames in the same window (clear and swap;
// one full-screen quad lit by the game's own shader); CPU time of update(), with its poll of
// the window's events apart from the rest, and of render() up to its swap; heap allocations
// made by update(); start-up against a minimal program; and peak resident memory; the CPU
// time of the sound's per-frame update, on OpenAL Soft's null output. Prints a table, then
// one JSON object as its last line.
// The HUD is off in those windows; one more at 1280x720 with 4x multisampling has it on, and
// measures its cost again with it on every other frame. A last, small window runs with the
// sync off and a cap of 30 frames per second: how even the capped frames come. The last runs
// the pack's heaviest level at 1280x720 with 4x multisampling, against the course's. The drop
// shadow is off in those windows, as it was before there was one; one more at 1280x720 with 4x
// multisampling has it on every other frame, which gives its cost. Then the enhanced look with
// 4x multisampling, FXAA in the classic look, and the enhanced look with FXAA, against the
// classic look with 4x multisampling. And the enhanced look with FXAA at 1920x1080, against the
// clear-and-swap floor of that window, which has no multisampling, and beside it that floor with
// the FXAA pass between the clear and the swap: what the pass costs before any scene. Last, a level
// at the level file's cap of pieces, against the course, at 1280x720 with 4x multisampling, and
// again with FXAA against the course with FXAA: without multisampling, hidden pixels go unshaded.
// Run from the repository root under an X display (tools/bench/run sees to both). With --count
// and a window's name, it only plays that window's path, for tools/bench/count to count under
// callgrind.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <vector>

#include "app/Game.h"
#include "app/frame/Clock.h"
#include "render/Primitive.h"
#include "tools/alloccount/AllocationCounter.h"
#include "tools/bench/Measure.h"
#include "tools/bench/Startup.h"
#include "tools/caplevel/CapLevel.h"

namespace {

const int kWarmupFrames = 30;
const int kMeasuredFrames = 300;
const int kCountWarmupFrames = 5;  // in a count of instructions (--count)
const int kCountedFrames = 40;
const GLbitfield kAllBuffers = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
const double kStep = 1.0 / 60.0;  // seconds of game time per frame
// The path runs through the level's platforms in order, short of the goal: on the course from
// the start to z = -100.
const float kPathShare = 100.0f / 110.0f;

struct Config {
    const char* name;
    int width;
    int height;
    int samples;
    bool hud;
    int maxFps = 0;  // with the sync off when set: the frame rate cap alone paces the frames
    const char* level = nullptr;  // a level by name; the course built in code when none
    const char* look = kClassicLook;
    const char* antialiasing = kMsaa;
    bool alternateShadow = false;  // the shadow on every other frame; off in every frame else
    bool cap = false;              // the level at the cap of pieces, built in code
};

struct FrameFigures {
    double frameMedian = 0, frameP95 = 0, floorMedian = 0, litQuadMedian = 0;
    double updateUs = 0, renderCpuUs = 0, allocationsPerFrame = 0, audioUs = 0;
    // The poll waits on the X server; the rest of the update is the game's own work, timed by
    // the game's own timer from the poll's end to the update's end, which leaves out the
    // readings of this benchmark's clock around the update (a system call each, about a
    // microsecond when the caches are cold).
    double pollUs = 0, updateOwnUs = 0;
    double fxaaFloorMedian = 0;  // with FXAA: the clear and swap with the pass between, no scene
    double hudRatio = 0;         // with the HUD on every other frame: its frames against the others
    double shadowRatio = 0;      // the same with the shadow
};

struct FrameSample {
    double wallMs, updateUs, pollUs, ownUs, renderUs, audioUs;
    long allocations;
};

std::unique_ptr<Game> startWindowed(const Config& config) {
    // The assets' settings alone: a developer's own file (brightness, field of view) would
    // make runs on different accounts draw different frames.
    Settings settings = loadSettings(kSettingsPath);
    settings.fullscreen = false;
    settings.width = config.width;
    settings.height = config.height;
    settings.sampleRate = config.samples;
    settings.hudEnabled = config.hud;
    settings.shadow = false;
    settings.look = config.look;
    settings.antialiasing = config.antialiasing;
    settings.maxFps = config.maxFps;
    settings.vsync = config.maxFps == 0 && settings.vsync;
    if (config.cap) {
        return std::make_unique<Game>(settings, capLevelPlay());
    }
    if (!config.level) {
        return std::make_unique<Game>(settings);
    }
    const std::optional<LevelEntry> level = findLevel(config.level);
    if (!level) {
        std::exit(1);  // its line says why
    }
    return std::make_unique<Game>(settings, playedLevel(*level, false));
}

// The place `share` of the way along the platforms' centres, in the level's order.
glm::vec3 alongPlatforms(const Level& level, float share) {
    float length = 0.0f;
    for (std::size_t i = 1; i < level.platforms.size(); ++i) {
        length += glm::distance(level.platforms[i - 1].at, level.platforms[i].at);
    }
    float left = length * share;
    for (std::size_t i = 1; i < level.platforms.size(); ++i) {
        const glm::vec3 from = level.platforms[i - 1].at;
        const glm::vec3 to = level.platforms[i].at;
        const float leg = glm::distance(from, to);
        if (left <= leg && leg > 0.0f) {
            return from + (to - from) * (left / leg);
        }
        left -= leg;
    }
    return level.platforms.back().at;
}

// How far along the path frame `i` of `frames` stands; warm-up frames are negative and stand at
// its start.
float pathShare(int i, int frames) {
    return kPathShare * static_cast<float>(std::max(i, 0)) / static_cast<float>(frames);
}

// A frame of the path at `share` of the way, one step on.
FrameSample pathFrame(Game& game, float share, SteppedClock& clock) {
    game.player->setPosition(alongPlatforms(game.session.played.level, share));
    clock.advance(kStep);
    FrameSample sample{};
    const double start = wallMs();
    const double updateStart = threadCpuMs();
    {
        const AllocationCount count;
        game.update();
        sample.allocations = count.made();
    }
    const double updateEnd = threadCpuMs();
    // The sound's update once more, alone: the update above has already done it once.
    if (GameAudio* audio = game.sound.playing()) {
        audio->update(game.soundScene());
    }
    const double audioEnd = threadCpuMs();
    game.drawScene();
    game.drawInterface();
    const double drawEnd = threadCpuMs();
    game.present();
    glFinish();
    sample.wallMs = wallMs() - start;
    sample.updateUs = (updateEnd - updateStart) * 1e3;
    sample.pollUs = game.times().poll * 1e3;
    sample.ownUs = (game.times().update - game.times().poll) * 1e3;
    sample.audioUs = (audioEnd - updateEnd) * 1e3;
    sample.renderUs = (drawEnd - audioEnd) * 1e3;
    return sample;
}

void gameFrames(Game& game, FrameFigures& figures) {
    std::vector<double> frames, updates, polls, owns, renders, audio;
    long allocated = 0;
    SteppedClock clock(readClock());
    for (int i = -kWarmupFrames; i < kMeasuredFrames; ++i) {
        const FrameSample sample = pathFrame(game, pathShare(i, kMeasuredFrames), clock);
        if (i >= 0) {
            frames.push_back(sample.wallMs);
            updates.push_back(sample.updateUs);
            polls.push_back(sample.pollUs);
            owns.push_back(sample.ownUs);
            renders.push_back(sample.renderUs);
            audio.push_back(sample.audioUs);
            allocated += sample.allocations;
        }
    }
    figures.frameMedian = quantile(frames, 0.5);
    figures.frameP95 = quantile(frames, 0.95);
    figures.updateUs = quantile(updates, 0.5);
    figures.pollUs = quantile(polls, 0.5);
    figures.updateOwnUs = quantile(owns, 0.5);
    figures.renderCpuUs = quantile(renders, 0.5);
    figures.audioUs = quantile(audio, 0.5);
    figures.allocationsPerFrame = static_cast<double>(allocated) / kMeasuredFrames;
}

// The path once more with the flag (the HUD's, the shadow's) on every other frame. Windows
// measured one after the other on a shared machine drift apart by more than either costs;
// frames that alternate share the load. The items taken on the first pass stay taken, so fewer
// messages show.
double alternatingRatio(Game& game, bool& flag) {
    std::vector<double> with, without;
    SteppedClock clock(readClock());
    for (int i = -kWarmupFrames; i < kMeasuredFrames; ++i) {
        flag = i % 2 == 0;
        const double ms = pathFrame(game, pathShare(i, kMeasuredFrames), clock).wallMs;
        if (i >= 0) {
            (flag ? with : without).push_back(ms);
        }
    }
    flag = true;
    return quantile(with, 0.5) / quantile(without, 0.5);
}

// The median of the frames that `draw` makes and the window swaps, the warm-up left out.
template <typename Draw>
double referenceFrames(Game& game, Draw draw) {
    std::vector<double> frames;
    for (int i = -kWarmupFrames; i < kMeasuredFrames; ++i) {
        const double start = wallMs();
        draw();
        glfwSwapBuffers(game.window);
        glFinish();
        if (i >= 0) {
            frames.push_back(wallMs() - start);
        }
    }
    return quantile(frames, 0.5);
}

double clearAndSwapFrames(Game& game) {
    return referenceFrames(game, [] { glClear(kAllBuffers); });
}

// What FXAA costs before any scene: the target cleared, taken through the pass, and swapped.
double fxaaFloorFrames(Game& game) {
    return referenceFrames(game, [&game] {
        game.look.fxaa->begin(game.framebufferWidth, game.framebufferHeight);
        glClear(kAllBuffers);
        game.look.fxaa->finish();
    });
}

// Every pixel shaded once by the game's fragment shader with its nine lights uploaded.
double litQuadFrames(Game& game) {
    const Shader& main = *game.shaders[mainShader];
    const Quad quad;
    const Mesh square(quad);
    Model screen(glm::vec3(0.0f), game.materials[0].get(), game.textures[0].get(),
                 game.textures[1].get(), std::vector<const Mesh*>{&square});
    screen.setScale(glm::vec3(2.0f));  // the quad spans -1 to 1: the whole clip space
    main.setMat4fv(glm::mat4(1.0f), "ViewMatrix");
    main.setMat4fv(glm::mat4(1.0f), "ProjectionMatrix");
    for (auto& light : game.lights) {
        light->sendToShader(main);
    }
    return referenceFrames(game, [&] {
        glClear(kAllBuffers);
        screen.render(main);
    });
}

FrameFigures measure(const Config& config) {
    std::unique_ptr<Game> game = startWindowed(config);
    FrameFigures figures;
    gameFrames(*game, figures);
    if (config.hud) {
        figures.hudRatio = alternatingRatio(*game, game->ui.hudVisible);
    }
    if (config.alternateShadow) {
        figures.shadowRatio = alternatingRatio(*game, game->options.shadow);
    }
    figures.floorMedian = clearAndSwapFrames(*game);
    if (game->look.fxaa) {
        figures.fxaaFloorMedian = fxaaFloorFrames(*game);
    }
    figures.litQuadMedian = litQuadFrames(*game);
    return figures;
}

// Under callgrind (tools/bench/count) a frame takes seconds: the path in fewer, longer steps, and
// a short warm-up. The count is toggled on countedFrame, kept out of line so that there is a
// function to toggle on, and so takes in neither the start nor the warm-up.
[[gnu::noinline]] void countedFrame(Game& game, float share, SteppedClock& clock) {
    pathFrame(game, share, clock);
}

void countFrames(const Config& config) {
    std::unique_ptr<Game> game = startWindowed(config);
    SteppedClock clock(readClock());
    for (int i = -kCountWarmupFrames; i < kCountedFrames; ++i) {
        const float share = pathShare(i, kCountedFrames);
        if (i < 0) {
            pathFrame(*game, share, clock);
        } else {
            countedFrame(*game, share, clock);
        }
    }
}

std::vector<FrameFigures> measureAll(const std::vector<Config>& configs) {
    std::vector<FrameFigures> results;
    for (const Config& config : configs) {
        results.push_back(measure(config));
    }
    return results;
}

void printTable(const std::vector<Config>& configs, const std::vector<FrameFigures>& results) {
    std::printf("\n%-18s %9s %9s %9s %9s %10s %8s %8s %10s %8s %9s\n", "window", "frame ms",
                "p95 ms", "floor ms", "quad ms", "update us", "poll us", "own us", "render us",
                "allocs", "audio us");
    for (size_t i = 0; i < results.size(); ++i) {
        const FrameFigures& f = results[i];
        std::printf("%-18s %9.2f %9.2f %9.2f %9.2f %10.1f %8.1f %8.1f %10.1f %8.2f %9.2f\n",
                    configs[i].name, f.frameMedian, f.frameP95, f.floorMedian, f.litQuadMedian,
                    f.updateUs, f.pollUs, f.updateOwnUs, f.renderCpuUs, f.allocationsPerFrame,
                    f.audioUs);
    }
    for (size_t i = 0; i < results.size(); ++i) {
        if (results[i].hudRatio > 0) {
            std::printf("%s: a frame with the HUD takes %.3f of one without, alternating\n",
                        configs[i].name, results[i].hudRatio);
        }
        if (results[i].shadowRatio > 0) {
            std::printf("%s: a frame with the shadow takes %.3f of one without, alternating\n",
                        configs[i].name, results[i].shadowRatio);
        }
        if (results[i].fxaaFloorMedian > 0) {
            std::printf("%s: the pass over a cleared frame takes %.2f ms, %.2f times the floor\n",
                        configs[i].name, results[i].fxaaFloorMedian,
                        results[i].fxaaFloorMedian / results[i].floorMedian);
        }
    }
}

bool chosenBy(const char* name, int argc, char** argv) {
    if (argc == 2) {
        return std::strstr(name, argv[1]) != nullptr;
    }
    return std::any_of(argv + 1, argv + argc,
                       [name](const char* asked) { return std::strcmp(name, asked) == 0; });
}

double peakResidentMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
    const double startMs = wallMs();
    // A benchmark plays to no speaker: OpenAL Soft's null output mixes all the same.
    setenv("ALSOFT_DRIVERS", "null", 0);
    if (argc == 3 && std::strcmp(argv[1], "--startup") == 0) {
        return runStartupChild(argv[2], startMs);
    }
    // The windows without the HUD keep their figures comparable with runs from before it; the
    // one with it follows its twin without, so that little drifts on the machine between them.
    const std::vector<Config> configs = {
        {"1280x720 4x", 1280, 720, 4, false},
        {"1280x720 4x HUD", 1280, 720, 4, true},
        {"1280x720 no MSAA", 1280, 720, 0, false},
        {"1920x1080 4x", 1920, 1080, 4, false},
        {"1920x1080 no MSAA", 1920, 1080, 0, false},
        {"640x360 capped 30", 640, 360, 0, false, 30},
        // The pack's heaviest level: the most pieces in sight, with its twenty traps.
        {"1280x720 4x supplies", 1280, 720, 4, false, 0, "supplies"},
        {"1280x720 4x shadow", 1280, 720, 4, false, 0, nullptr, kClassicLook, kMsaa, true},
        {"1280x720 enhanced 4x", 1280, 720, 4, false, 0, nullptr, kEnhancedLook, kMsaa},
        {"1280x720 FXAA", 1280, 720, 0, false, 0, nullptr, kClassicLook, kFxaa},
        {"1280x720 enhanced FXAA", 1280, 720, 0, false, 0, nullptr, kEnhancedLook, kFxaa},
        {"1920x1080 enhanced FXAA", 1920, 1080, 0, false, 0, nullptr, kEnhancedLook, kFxaa},
        {"1280x720 4x cap level", 1280, 720, 4, false, 0, nullptr, kClassicLook, kMsaa, false,
         true},
        {"1280x720 FXAA cap level", 1280, 720, 0, false, 0, nullptr, kClassicLook, kFxaa, false,
         true}};
    if (argc == 3 && std::strcmp(argv[1], "--count") == 0) {
        const auto named = std::find_if(configs.begin(), configs.end(), [&](const Config& c) {
            return std::strcmp(c.name, argv[2]) == 0;
        });
        if (named == configs.end()) {
            std::fprintf(stderr, "No window is called \"%s\".\n", argv[2]);
            return 1;
        }
        countFrames(*named);
        return 0;
    }
    // A word on the command line measures only the windows whose name holds it, and several
    // whole names those windows: a quick look without start-up and without the JSON line.
    if (argc >= 2) {
        std::vector<Config> chosen;
        std::copy_if(configs.begin(), configs.end(), std::back_inserter(chosen),
                     [&](const Config& c) { return chosenBy(c.name, argc, argv); });
        printTable(chosen, measureAll(chosen));
        return 0;
    }
    const std::vector<FrameFigures> results = measureAll(configs);
    const StartupFigures startup = measureStartup("/proc/self/exe");
    printTable(configs, results);
    std::printf("start-up: game %.0f ms (shader cache off: %.0f ms), minimal program %.0f ms\n",
                startup.gameMs, startup.gameColdMs, startup.minimalMs);
    std::printf("peak resident memory: %.1f MB\n", peakResidentMb());
    std::printf(
        "{\"frame_ms_720\": %.3f, \"frame_ms_720_nomsaa\": %.3f, \"frame_ms_1080\": %.3f, "
        "\"floor_ms_1080\": %.3f, \"lit_quad_ms_1080\": %.3f, \"update_us\": %.2f, "
        "\"poll_us\": %.2f, \"update_own_us\": %.2f, "
        "\"render_cpu_us\": %.1f, \"startup_ms\": %.1f, \"startup_floor_ms\": %.1f, "
        "\"rss_mb\": %.1f, \"update_allocs_per_frame\": %.3f, \"frame_ms_720_hud\": %.3f, "
        "\"hud_ratio_720_alternating\": %.3f, \"audio_us\": %.2f, "
        "\"frame_ms_capped_30\": %.3f, \"frame_p95_ms_capped_30\": %.3f, "
        "\"frame_ms_720_heaviest_level\": %.3f, \"heaviest_level_ratio_720\": %.3f, "
        "\"shadow_ratio_720_alternating\": %.3f, \"frame_ms_720_enhanced\": %.3f, "
        "\"frame_ms_720_fxaa\": %.3f, \"frame_ms_720_enhanced_fxaa\": %.3f, "
        "\"enhanced_fxaa_ratio_720\": %.3f, \"floor_ms_1080_nomsaa\": %.3f, "
        "\"frame_ms_1080_enhanced_fxaa\": %.3f, \"enhanced_fxaa_1080_ratio\": %.3f, "
        "\"frame_ms_720_cap_level\": %.3f, \"cap_level_ratio_720\": %.3f, "
        "\"update_own_us_cap_level\": %.2f, \"fxaa_floor_ms_1080\": %.3f, "
        "\"frame_ms_720_fxaa_cap_level\": %.3f, \"fxaa_cap_level_ratio_720\": %.3f}\n",
        results[0].frameMedian, results[2].frameMedian, results[3].frameMedian,
        results[3].floorMedian, results[3].litQuadMedian, results[0].updateUs, results[0].pollUs,
        results[0].updateOwnUs, results[0].renderCpuUs, startup.gameMs, startup.minimalMs,
        peakResidentMb(), results[0].allocationsPerFrame, results[1].frameMedian,
        results[1].hudRatio, results[0].audioUs, results[5].frameMedian, results[5].frameP95,
        results[6].frameMedian, results[6].frameMedian / results[0].frameMedian,
        results[7].shadowRatio, results[8].frameMedian, results[9].frameMedian,
        results[10].frameMedian, results[10].frameMedian / results[0].frameMedian,
        results[11].floorMedian, results[11].frameMedian,
        results[11].frameMedian / results[11].floorMedian, results[12].frameMedian,
        results[12].frameMedian / results[0].frameMedian, results[12].updateOwnUs,
        results[11].fxaaFloorMedian, results[13].frameMedian,
        results[13].frameMedian / results[9].frameMedian);
    return 0;
}
