// CPU time of sign draws in the stand-in viewport (the drawing thread's: the renderer's own
// threads rasterise):
// - one sign's draw() called as Maya calls it, in the heaviest fixed shape (a sphere: three
//   circles of 64 segments, with a label, a tail line and a text line) beside the same sign in
//   shape None (every plug read and state change a sign makes, and no geometry);
// - the whole locator pass of a viewport holding 1,000 sphere signs, per sign, beside the same
//   pass with a single sign.
// Needs an X display (xvfb-run -a).
#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <hostkit/viewport.h>
#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPxLocatorNode.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kSphere = 91;
constexpr int kNone = 999;

bool loadPlugin() {
    static const bool loaded = [] {
        std::string error;
        if (!hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return false;
        }
        return true;
    }();
    return loaded;
}

// A camera looking down on `count` signs of one type laid out on a grid.
bool buildScene(int count, int type) {
    hostkit::resetScene();
    std::string mel = "createNode transform -n cam; createNode camera -n camShape -p cam;"
                      "setAttr cam.translateY 60; setAttr cam.rotateX -90;";
    for (int i = 0; i < count; ++i) {
        const std::string name = "s" + std::to_string(i);
        mel += "createNode transform -n " + name + "; createNode sign -n " + name + "Shape -p " +
               name + ";";
        mel += "setAttr " + name + ".translateX " + std::to_string(i % 40 - 20) + ";";
        mel += "setAttr " + name + ".translateZ " + std::to_string(i / 40 - 12) + ";";
        mel += "setAttr " + name + "Shape.type " + std::to_string(type) + ";";
        if (type != kNone) {
            mel += "setAttr -type \"string\" " + name + "Shape.text \"marker " + std::to_string(i) +
                   "\";";
            mel += "setAttr " + name + "Shape.enableTailLine 1;";
        } else {
            mel += "setAttr " + name + "Shape.enableTextLine 0;";
        }
    }
    std::string error;
    if (!hostkit::runMel(mel, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    hostkit::clearSelection();
    return true;
}

// One sign's draw(), as the viewport calls it: after a locator pass has set up the port and the
// sign's matrices.
void signDraw(benchmark::State& state, int type) {
    if (!loadPlugin() || !buildScene(1, type)) {
        state.SkipWithError("could not build the scene");
        return;
    }
    hostkit::Viewport viewport("cam", 800, 600);
    viewport.drawLocators();
    MDagPath transform;
    MDagPath::getAPathTo(hostkit::findNode("s0"), transform);
    auto* sign =
        static_cast<MPxLocatorNode*>(MFnDependencyNode(hostkit::findNode("s0Shape")).userNode());
    M3dView view = viewport.view();
    for (auto _ : state) {
        sign->draw(view, transform, M3dView::kWireFrame, M3dView::kDormant);
    }
    state.counters["plugReads"] = static_cast<double>(viewport.locatorDraws().at(0).plugReads);
}

void BM_SignDrawHeaviest(benchmark::State& state) {
    signDraw(state, kSphere);
}
BENCHMARK(BM_SignDrawHeaviest)->Unit(benchmark::kMicrosecond);

void BM_SignDrawNone(benchmark::State& state) {
    signDraw(state, kNone);
}
BENCHMARK(BM_SignDrawNone)->Unit(benchmark::kMicrosecond);

// The viewport's locator pass over `signs` sphere signs.
void BM_SignViewport(benchmark::State& state) {
    const int signs = static_cast<int>(state.range(0));
    if (!loadPlugin() || !buildScene(signs, kSphere)) {
        state.SkipWithError("could not build the scene");
        return;
    }
    hostkit::Viewport viewport("cam", 800, 600);
    viewport.drawLocators();
    for (auto _ : state) {
        viewport.drawLocators();
    }
    state.counters["signs"] = signs;
}
BENCHMARK(BM_SignViewport)->ArgName("signs")->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
