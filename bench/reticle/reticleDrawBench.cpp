// CPU time of a reticle's ordinary redraw (settings cached, 4 aspect-ratio entries, 10 texts)
// and the plug reads it makes, beside a redraw after a setting changed (which reads every
// setting again). Needs an X display (xvfb-run -a).
#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <hostkit/viewport.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

bool buildScene() {
    std::string error;
    if (!hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    std::string mel =
        "createNode transform -n cam; createNode camera -n camShape -p cam;"
        "createNode transform -n overlay;"
        "createNode reticle -n overlayShape -p overlay;"
        "setAttr overlayShape.displayThirdsH 1; setAttr overlayShape.displayCrosshair 1;";
    const double ratios[] = {1.33, 1.78, 1.85, 2.39};
    for (int i = 0; i < 4; ++i) {
        const std::string element = "overlayShape.aspectRatios[" + std::to_string(i) + "]";
        mel += "setAttr " + element + ".aspectRatio " + std::to_string(ratios[i]) + ";";
        mel += "setAttr " + element + ".displayMode " + std::to_string(i % 3) + ";";
        mel += "setAttr " + element + ".aspectDisplaySafeAction 1;";
    }
    for (int i = 0; i < 10; ++i) {
        const std::string element = "overlayShape.text[" + std::to_string(i) + "]";
        mel += "setAttr " + element + ".textType " + std::to_string(i + 1) + ";";
        mel += "setAttr " + element + ".textPosRel " + std::to_string(i % 9) + ";";
        mel += "setAttr " + element + ".textLevel " + std::to_string(i % 3) + ";";
        mel += "setAttr " + element + ".textARLevel 2;";
    }
    if (!hostkit::runMel(mel, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    hostkit::clearSelection();
    return true;
}

void redraws(benchmark::State& state, bool changeFirst) {
    static const bool ready = buildScene();
    if (!ready) {
        state.SkipWithError("could not build the scene");
        return;
    }
    hostkit::Viewport viewport("cam", 1920, 1080);
    viewport.drawLocators(); // the first draw reads everything
    long reads = 0;
    for (auto _ : state) {
        if (changeFirst) {
            state.PauseTiming();
            hostkit::setAttr("overlayShape.displayCrosshair", 1.0);
            state.ResumeTiming();
        }
        viewport.drawLocators();
        reads = viewport.locatorDraws().at(0).plugReads;
    }
    state.counters["plugReads"] = static_cast<double>(reads);
}

void BM_ReticleRedraw(benchmark::State& state) {
    redraws(state, false);
}
BENCHMARK(BM_ReticleRedraw)->Unit(benchmark::kMicrosecond);

void BM_ReticleRedrawAfterChange(benchmark::State& state) {
    redraws(state, true);
}
BENCHMARK(BM_ReticleRedrawAfterChange)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
