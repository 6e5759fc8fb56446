// The contour functions per call, from the built library: contourStore on one and two render
// threads (each looks up its own thread's settings), contourContrast per pair of samples and
// contourShader per contour point.
#include <rayhost/network.h>
#include <rayhost/render.h>

#include <benchmark/benchmark.h>

#include <shader.h>

#include <ctime>

namespace {

struct Info {
    miScalar words[33];
};

// One library and a material with contour settings, shared by every benchmark thread.
struct Scene {
    rayhost::ShaderLibrary library{QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS};
    rayhost::ShaderNetwork network;
    rayhost::InstanceId material = network.add("material", library.kind("contourMltShader"));
    rayhost::InstanceId contrast = network.add("contrast", library.kind("contourContrast"));
    miOptions options{};
    miContour_Store_Function store =
        reinterpret_cast<miContour_Store_Function>(library.symbol("contourStore"));
    miContour_Contrast_Function contrastFunction =
        reinterpret_cast<miContour_Contrast_Function>(library.symbol("contourContrast"));
    miContour_Shader_Function shader =
        reinterpret_cast<miContour_Shader_Function>(library.symbol("contourShader"));

    Scene() {
        network.set(material, "contourColor", {0.2, 0.4, 0.6, 1});
        network.set(material, "widthMax", {3});
        network.set(material, "falloffBase", {0.5});
        network.set(contrast, "colorContrast", {1});
        options.contrast = {0.1f, 0.1f, 0.1f, 0.1f};
    }

    // A shaded sample on that render thread.
    void shade(rayhost::PrimarySample& sample, miSshort thread) {
        rayhost::fillPrimarySample(sample, &options, 1, 1, 4, 4, thread);
        miColor colour{};
        network.call(material, &colour, &sample.state);
    }

    // Two samples of one surface, shaded and stored on render thread 0.
    struct Pair {
        rayhost::PrimarySample sample;
        Info first{}, second{};
    };
    void storePair(Pair& pair) {
        shade(pair.sample, 0);
        int size = 0;
        miColor colour{0.5f, 0.5f, 0.5f, 1.0f};
        store(&pair.first, &size, &pair.sample.state, &colour);
        store(&pair.second, &size, &pair.sample.state, &colour);
    }
};

Scene& scene() {
    static Scene shared;
    return shared;
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + 1e-9 * double(now.tv_nsec);
}

// callCpu: each thread's CPU time per call, averaged over the threads. Contention on the settings
// table (a lock, or cache lines shared between threads) would raise it with two threads; waiting
// for a core on a busy machine would not, unlike the wall-clock time.
void BM_ContourStorePerCall(benchmark::State& state) {
    Scene& s = scene();
    rayhost::PrimarySample sample;
    s.shade(sample, static_cast<miSshort>(state.thread_index()));
    Info info{};
    int size = 0;
    miColor colour{0.5f, 0.5f, 0.5f, 1.0f};
    const double start = threadCpuSeconds();
    for (auto _ : state) {
        s.store(&info, &size, &sample.state, &colour);
        benchmark::DoNotOptimize(info);
    }
    const double perCall = (threadCpuSeconds() - start) / double(state.iterations());
    state.counters["callCpu"] = benchmark::Counter(perCall, benchmark::Counter::kAvgThreads);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ContourStorePerCall)->Threads(1)->Threads(2)->UseRealTime();

// Two samples of one surface: every test runs, through to the colour contrast.
void BM_ContourContrastPerPair(benchmark::State& state) {
    Scene& s = scene();
    Scene::Pair pair;
    s.storePair(pair);
    const miFunction& record = s.network.record(s.contrast);
    pair.sample.state.shader = &record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.contrastFunction(&pair.first, &pair.second, 1,
                                                    &pair.sample.state, record.parameters));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ContourContrastPerPair);

void BM_ContourShaderPerPoint(benchmark::State& state) {
    Scene& s = scene();
    Scene::Pair pair;
    s.storePair(pair);
    miContour_endpoint end{};
    for (auto _ : state) {
        s.shader(&end, &pair.first, &pair.second, &pair.sample.state, nullptr);
        benchmark::DoNotOptimize(end);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ContourShaderPerPoint);

} // namespace

BENCHMARK_MAIN();
