// Loads the orb model as often as the level does at start-up and reports vertices per second.
// Run from the repository root, where assets/ is found.
#include <benchmark/benchmark.h>

#include "render/ObjLoader.h"

namespace {

const int kOrbLoadsAtStart = 5;  // the four orbs of the health pack and the player, the particles'

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
