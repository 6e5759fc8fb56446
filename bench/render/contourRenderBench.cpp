// A whole contour render of the showcase scene at 1024 x 768 with one eye sample per pixel:
// ray casting, the contourMltShader materials, the store per sample, the contrast per pair of
// neighbouring samples, the contour shader per contour point and the lines, with 1 and 2 render
// threads (real time, since the work is spread over threads; CPU time is the whole process's,
// so that the work the render threads add can be compared).
#include "scene_file.h"

#include <rayhost/scene_render.h>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

struct ShowcaseScene {
    rayhost::ShaderLibrary library{QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS};
    rayhost::PatternShaders patterns;
    rayhost::ShaderNetwork network;
    quillomar::LoadedScene loaded;

    ShowcaseScene() {
        std::ifstream in(QUILLOMAR_CONTOUR_SCENE);
        loaded = quillomar::loadScene(in, QUILLOMAR_CONTOUR_SCENE, library, patterns, network);
    }
};

void wholeContourRender(benchmark::State& state) {
    static ShowcaseScene scene;
    rayhost::RenderSettings settings = scene.loaded.options;
    settings.width = 1024;
    settings.height = 768;
    settings.samples = 0;
    settings.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const quillomar::Image image = rayhost::render(scene.network, scene.loaded.scene, settings);
        benchmark::DoNotOptimize(image.rgba.data());
    }
    state.counters["samples/s"] =
        benchmark::Counter(1024.0 * 768.0, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(wholeContourRender)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

BENCHMARK_MAIN();
