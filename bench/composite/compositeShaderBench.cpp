// The composite shader per sample as the renderer calls it: loaded from the built library, a
// typical four-layer stack with every parameter read through the evaluation rule. Beside it, the
// bare blends of the same four layers on plain values (the blend sources linked in), so that the
// cost of the parameter reads is measured against the blending itself in the same run.
#include "composite/blend.h"

#include <rayhost/network.h>
#include <rayhost/render.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using quillomar::composite::blend;
using quillomar::composite::luminance;
using quillomar::composite::Rgba;

struct Layer {
    int mode;
    Rgba color;
    float opacity;
    Rgba mask;
};

constexpr Rgba kBase{0.3f, 0.45f, 0.6f, 1.0f};
constexpr Layer kLayers[4] = {
    {0, {0.1f, 0.9f, 0.5f, 1.0f}, 1.0f, {0.8f, 0.8f, 0.8f, 1.0f}},
    {2, {0.3f, 0.7f, 0.5f, 1.0f}, 0.8f, {0.8f, 0.8f, 0.8f, 1.0f}},
    {7, {0.5f, 0.5f, 0.5f, 1.0f}, 0.5f, {0.8f, 0.8f, 0.8f, 1.0f}},
    {12, {0.7f, 0.3f, 0.5f, 1.0f}, 0.3f, {0.8f, 0.8f, 0.8f, 1.0f}},
};

std::vector<double> values(const Rgba& c) {
    return {c.r, c.g, c.b, c.a};
}

void setUpStack(rayhost::ShaderNetwork& network, rayhost::InstanceId stack) {
    network.set(stack, "baseColor", values(kBase));
    network.setArraySize(stack, "layers", 4);
    for (int k = 0; k < 4; ++k) {
        const std::string at = "layers[" + std::to_string(k) + "].";
        network.set(stack, at + "blendMode", {double(kLayers[k].mode)});
        network.set(stack, at + "color", values(kLayers[k].color));
        network.set(stack, at + "opacity", {kLayers[k].opacity});
        network.set(stack, at + "mask", values(kLayers[k].mask));
    }
}

// Constants only: the cost of the rule's checks, the record reads and the blends.
void BM_CompositeFourLayersPerSample(benchmark::State& state) {
    rayhost::ShaderLibrary library(QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS);
    rayhost::ShaderNetwork network;
    const rayhost::InstanceId stack = network.add("stack", library.kind("composite"));
    setUpStack(network, stack);
    miOptions options{};
    rayhost::PrimarySample sample;
    rayhost::fillPrimarySample(sample, &options, 0, 0, 1, 1, 0);
    miColor out{};
    for (auto _ : state) {
        network.call(stack, &out, &sample.state);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompositeFourLayersPerSample);

// The same four layers blended on plain values: the mask's luminance times the opacity as the
// weight, each layer over the result of the one below.
void BM_BareBlendFourLayers(benchmark::State& state) {
    const Layer* layers = kLayers;
    benchmark::DoNotOptimize(layers); // read the layers anew each time, as the shader does
    for (auto _ : state) {
        Rgba running = kBase;
        for (int k = 0; k < 4; ++k) {
            const Layer& layer = layers[k];
            running =
                blend(layer.mode, running, layer.color, luminance(layer.mask) * layer.opacity);
        }
        benchmark::DoNotOptimize(running);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BareBlendFourLayers);

} // namespace

BENCHMARK_MAIN();
