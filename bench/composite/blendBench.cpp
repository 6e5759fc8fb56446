// Blend throughput on plain values: one layer blend per mode, and a four-layer stack per sample.
#include "composite/blend.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using quillomar::composite::blend;
using quillomar::composite::kBlendModeCount;
using quillomar::composite::luminance;
using quillomar::composite::Rgba;

// Enough distinct colours that the branches of every mode are taken both ways.
std::vector<Rgba> randomColours(unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<float> channel(0.0f, 1.0f);
    std::vector<Rgba> colours(1024);
    for (Rgba& c : colours) {
        c = {channel(generator), channel(generator), channel(generator), 1.0f};
    }
    return colours;
}

void BM_BlendMode(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    const std::vector<Rgba> bases = randomColours(1);
    const std::vector<Rgba> layers = randomColours(2);
    const std::size_t mask = bases.size() - 1;
    std::size_t i = 0;
    for (auto _ : state) {
        Rgba out = blend(mode, bases[i & mask], layers[i & mask], 0.75f);
        benchmark::DoNotOptimize(out);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BlendMode)->DenseRange(0, kBlendModeCount - 1)->ArgName("mode");

// A typical stack: normal, multiply, screen and overlay layers, each with a mask and opacity.
void BM_FourLayerStack(benchmark::State& state) {
    const std::vector<Rgba> bases = randomColours(3);
    const std::vector<Rgba> layers = randomColours(4);
    const std::vector<Rgba> masks = randomColours(5);
    const int modes[4] = {0, 2, 7, 12};
    const float opacities[4] = {1.0f, 0.8f, 0.5f, 0.3f};
    const std::size_t mask = bases.size() - 1;
    std::size_t i = 0;
    for (auto _ : state) {
        Rgba running = bases[i & mask];
        for (int k = 0; k < 4; ++k) {
            const std::size_t j = (i + 97 * k) & mask;
            running = blend(modes[k], running, layers[j], luminance(masks[j]) * opacities[k]);
        }
        benchmark::DoNotOptimize(running);
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FourLayerStack);

} // namespace

BENCHMARK_MAIN();
