// Opening scenes written the way Maya writes them: for each piece, a hierarchy whose short names
// repeat under other pieces, a mesh stored as vertex, edge and face lists, a mesh made by a poly
// creation node, connections between the pieces and history through a node type the host does
// not know. The cost should grow with the scene, not with its square.
#include <hostkit/host.h>
#include <hostkit/scene.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kGrid = 20; // each stored mesh: a 20 x 20 grid of quads

std::string storedGrid() {
    std::string text;
    const int n = kGrid + 1;
    text +=
        "\tsetAttr -s " + std::to_string(n * n) + " \".vt[0:" + std::to_string(n * n - 1) + "]\"";
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            text += " " + std::to_string(c) + " 0 " + std::to_string(r);
    text += ";\n\tsetAttr \".uvst[0].uvsp[0:" + std::to_string(n * n - 1) + "]\" -type \"float2\"";
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            text +=
                " " + std::to_string(double(c) / kGrid) + " " + std::to_string(double(r) / kGrid);
    // Edges: the row edges, then the column edges.
    const int rowEdges = kGrid * n, columnEdges = n * kGrid;
    text += ";\n\tsetAttr \".ed[0:" + std::to_string(rowEdges + columnEdges - 1) + "]\"";
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < kGrid; ++c)
            text += " " + std::to_string(r * n + c) + " " + std::to_string(r * n + c + 1) + " 1";
    for (int r = 0; r < kGrid; ++r)
        for (int c = 0; c < n; ++c)
            text += " " + std::to_string(r * n + c) + " " + std::to_string((r + 1) * n + c) + " 1";
    text += ";\n\tsetAttr \".fc[0:" + std::to_string(kGrid * kGrid - 1) + "]\" -type \"polyFaces\"";
    for (int r = 0; r < kGrid; ++r)
        for (int c = 0; c < kGrid; ++c) {
            const int bottom = r * kGrid + c, top = (r + 1) * kGrid + c;
            const int left = rowEdges + r * n + c, right = left + 1;
            const int v = r * n + c;
            text += "\n\t\tf 4 " + std::to_string(bottom) + " " + std::to_string(right) + " " +
                    std::to_string(~top) + " " + std::to_string(~left) + " mu 0 4 " +
                    std::to_string(v) + " " + std::to_string(v + 1) + " " +
                    std::to_string(v + n + 1) + " " + std::to_string(v + n);
        }
    return text + ";\n";
}

std::string sceneText(int pieces) {
    const std::string grid = storedGrid();
    std::string text = "requires maya \"2019\";\ncurrentUnit -l centimeter -a degree -t film;\n";
    for (int p = 0; p < pieces; ++p) {
        const std::string piece = "piece" + std::to_string(p);
        text += "createNode transform -n \"" + piece + "\";\n";
        std::string parent = "|" + piece;
        for (const char* joint : {"hip", "knee", "ankle", "foot", "toe"}) {
            text += "createNode transform -n \"" + std::string(joint) + "\" -p \"" + parent +
                    "\";\n\tsetAttr \".t\" -type \"double3\" 0 1 0 ;\n";
            parent += "|" + std::string(joint);
        }
        text += "createNode mesh -n \"skin\" -p \"" + parent + "\";\n" + grid;
        text += "createNode transform -n \"ball\" -p \"|" + piece + "\";\n";
        text += "createNode mesh -n \"ballShape\" -p \"|" + piece + "|ball\";\n";
        text += "createNode polySphere -n \"" + piece + "_sphere\";\n\tsetAttr \".sa\" 12;\n";
        text += "createNode polyBevel3 -n \"" + piece + "_bevel\";\n";
        text += "connectAttr \"" + piece + "_sphere.out\" \"" + piece + "_bevel.ip\";\n";
        text += "connectAttr \"" + piece + "_bevel.out\" \"|" + piece + "|ball|ballShape.i\";\n";
        if (p > 0)
            text += "connectAttr \"|piece" + std::to_string(p - 1) + "|hip.tx\" \"|" + piece +
                    "|hip.tz\";\n";
    }
    return text;
}

std::string writeScene(int pieces) {
    const std::string path =
        "/tmp/scene_load_bench_" + std::to_string(getpid()) + "_" + std::to_string(pieces) + ".ma";
    std::ofstream(path) << sceneText(pieces);
    return path;
}

void openScene(benchmark::State& state) {
    const std::string path = writeScene(static_cast<int>(state.range(0)));
    std::ifstream in(path, std::ios::ate);
    const double bytes = static_cast<double>(in.tellg());
    std::FILE* quiet = std::freopen("/dev/null", "w", stderr); // the load's warnings
    for (auto _ : state) {
        hostkit::openScene(path);
        benchmark::DoNotOptimize(hostkit::meshes());
    }
    if (quiet)
        std::fclose(quiet);
    state.counters["MB"] = bytes / 1e6;
    state.SetComplexityN(state.range(0));
    std::remove(path.c_str());
}

} // namespace

// 4 to 64 pieces: about 0.14 MB to 2.2 MB of scene; opened, then every mesh read as the viewport
// reads it.
BENCHMARK(openScene)
    ->RangeMultiplier(2)
    ->Range(4, 64)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
