// The composite shader per sample as the renderer calls it: loaded from the built library, a
// typical four-layer stack with every parameter read through the evaluation rule.
#include <rayhost/network.h>
#include <rayhost/render.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

void setUpStack(rayhost::ShaderNetwork& network, rayhost::InstanceId stack) {
    network.set(stack, "baseColor", {0.3, 0.45, 0.6, 1.0});
    const int modes[4] = {0, 2, 7, 12};
    const double opacities[4] = {1.0, 0.8, 0.5, 0.3};
    network.setArraySize(stack, "layers", 4);
    for (int k = 0; k < 4; ++k) {
        const std::string at = "layers[" + std::to_string(k) + "].";
        network.set(stack, at + "blendMode", {double(modes[k])});
        network.set(stack, at + "color", {0.2 * k + 0.1, 0.9 - 0.2 * k, 0.5, 1.0});
        network.set(stack, at + "opacity", {opacities[k]});
        network.set(stack, at + "mask", {0.8, 0.8, 0.8, 1.0});
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

} // namespace

BENCHMARK_MAIN();
