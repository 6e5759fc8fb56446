// The deformer's vertex loop on 100k and 1M vertices with 1 and 2 OpenMP threads, against a
// plain streaming copy of the same arrays (each input array copied once) with the same threads:
// how far the loop is from moving its data at memory speed. Bytes count reads plus writes.
#include "trailArrays.h"

#include <benchmark/benchmark.h>
#include <omp.h>

namespace {

// What the loop reads per vertex.
constexpr double kInputBytes = 3 * sizeof(MPoint) + 2 * sizeof(MFloatVector) + sizeof(float);

void report(benchmark::State& state, unsigned int count, double bytesPerVertex) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * count);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * count * bytesPerVertex));
}

void BM_VertexLoop(benchmark::State& state) {
    const unsigned int count = static_cast<unsigned int>(state.range(0));
    omp_set_num_threads(static_cast<int>(state.range(1)));
    const TrailData data(count);
    const TrailArrays arrays = data.arrays();
    const TrailSettings settings;
    std::vector<MPoint> result(count);
    for (auto _ : state) {
        trailVertices(arrays, settings, result.data());
        benchmark::DoNotOptimize(result.data());
        benchmark::ClobberMemory();
    }
    report(state, count, kInputBytes + sizeof(MPoint));
}

// Reads what the loop reads and writes a copy of it, with nothing in between.
void BM_StreamingCopy(benchmark::State& state) {
    const unsigned int count = static_cast<unsigned int>(state.range(0));
    omp_set_num_threads(static_cast<int>(state.range(1)));
    const TrailData data(count);
    std::vector<MPoint> currentCopy(count), previousCopy(count), olderCopy(count);
    std::vector<MFloatVector> normalsCopy(count), noiseCopy(count);
    std::vector<float> weightsCopy(count);
    const int n = static_cast<int>(count);
    for (auto _ : state) {
#pragma omp parallel for schedule(static)
        for (int i = 0; i < n; ++i) {
            currentCopy[i] = data.current[i];
            previousCopy[i] = data.previous[i];
            olderCopy[i] = data.older[i];
            normalsCopy[i] = data.normals[i];
            noiseCopy[i] = data.noise[i];
            weightsCopy[i] = data.weights[i];
        }
        benchmark::DoNotOptimize(currentCopy.data());
        benchmark::ClobberMemory();
    }
    report(state, count, 2 * kInputBytes);
}

void sizesAndThreads(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"vertices", "threads"});
    for (int vertices : {100000, 1000000})
        for (int threads : {1, 2})
            bench->Args({vertices, threads});
    bench->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_VertexLoop)->Apply(sizesAndThreads);
BENCHMARK(BM_StreamingCopy)->Apply(sizesAndThreads);
