// Loads the orb model as often as the level does at start-up and reports vertices per second.
// Run from the repository root, where assets/ is found.
#include <benchmark/benchmark.h>

#include "render/ObjLoader.h"

namespace {

// The four orbs of the health pack and of the player, and the one that draws every particle.
const int kOrbLoadsAtStart = 5;

void loadOrbsAsAtStart(benchmark::State& state) {
    size_t vertices = 0;
    for (auto _ : state) {
        for (int i = 0; i < kOrbLoadsAtStart; ++i) {
            const auto orb = loadObj("orbit");
            vertices += orb.size();
            benchmark::DoNotOptimize(orb.data());
        }
    }
    state.counters["vertices/s"] =
        benchmark::Counter(static_cast<double>(vertices), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(loadOrbsAsAtStart)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
