// Whole evaluations of an obakeDeformer through the stand-in, with 1 and 2 OpenMP threads: a
// grid of 1000 x 1000 vertices with a noise texture on noiseMap steps one frame on per iteration
// and the deformed mesh is read back, which evaluates the deformer (the host copies the input to
// the output, the node gathers positions, normals, sampled colours and weights through the host,
// runs the vertex loop and writes the points back). Counters: vertices per second; loopShare, the
// part of an evaluation the vertex loop takes (the loop timed in this run on arrays of the same
// size with the same threads); hostShare, the rest: host calls plus the node's copies into and
// out of its plain arrays. Needs no display.
#include "trailArrays.h"

#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <maya/MDagPath.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnMesh.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>

#include <benchmark/benchmark.h>
#include <omp.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int kSide = 1000;

void makeGrid(const MObject& parent) {
    MFloatPointArray points;
    MFloatArray u, v;
    for (int r = 0; r < kSide; ++r)
        for (int c = 0; c < kSide; ++c) {
            points.append(0.01f * c, 0.0f, 0.01f * r);
            u.append(c / float(kSide - 1));
            v.append(r / float(kSide - 1));
        }
    MIntArray counts, connects;
    for (int r = 0; r + 1 < kSide; ++r)
        for (int c = 0; c + 1 < kSide; ++c) {
            counts.append(4);
            for (int corner :
                 {r * kSide + c, (r + 1) * kSide + c, (r + 1) * kSide + c + 1, r * kSide + c + 1})
                connects.append(corner);
        }
    MFnMesh().create(kSide * kSide, static_cast<int>(counts.length()), points, counts, connects, u,
                     v, parent);
}

bool buildScene() {
    std::string error;
    if (!hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error) ||
        !hostkit::runMel("createNode transform -n sheet;", &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    makeGrid(hostkit::findNode("sheet"));
    if (!hostkit::runMel("deformer -type obakeDeformer -n obake sheet;"
                         "connectAttr time1.outTime obake.time;"
                         "createNode noise -n grain; connectAttr grain.outColor obake.noiseMap;",
                         &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    return true;
}

MPointArray evaluateAt(double frame) {
    hostkit::setAttr("sheet.tx", 0.05 * frame);
    hostkit::setAttr("sheet.rx", 2.0 * frame);
    hostkit::setTime(frame);
    MDagPath sheet;
    MDagPath::getAPathTo(hostkit::findNode("sheet"), sheet);
    MPointArray points;
    MFnMesh(sheet).getPoints(points, MSpace::kWorld);
    return points;
}

void BM_WholeEvaluation(benchmark::State& state) {
    static const bool ready = buildScene();
    if (!ready) {
        state.SkipWithError("could not build the scene");
        return;
    }
    const int threads = static_cast<int>(state.range(0));
    omp_set_num_threads(threads);
    static double frame = 0.0;
    evaluateAt(++frame); // a history to trail behind
    double evaluating = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const MPointArray points = evaluateAt(++frame);
        benchmark::DoNotOptimize(points.length());
        evaluating +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const unsigned int vertices = kSide * kSide;
    const double loopShare =
        timeTrailLoop(vertices, threads) / (evaluating / static_cast<double>(state.iterations()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * vertices);
    state.counters["loopShare"] = loopShare;
    state.counters["hostShare"] = 1.0 - loopShare;
}

} // namespace

BENCHMARK(BM_WholeEvaluation)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(4);

BENCHMARK_MAIN();
