// A resolved binding entry against a direct call through a function pointer to the same
// renderer function.
#include "binding/module_handle.h"

#include <benchmark/benchmark.h>

#include <dlfcn.h>

namespace {

void* rendererModule() {
    static void* module = dlopen(BENCH_RENDERER_MODULE, RTLD_NOW | RTLD_LOCAL);
    return module;
}

using TraceFunction = miBoolean (*)(miColor*, miState*);

void directCall(benchmark::State& run) {
    TraceFunction function =
        reinterpret_cast<TraceFunction>(dlsym(rendererModule(), "mi_trace_transparent"));
    benchmark::DoNotOptimize(function); // keep the call indirect
    miColor color{};
    miState state{};
    for (auto _ : run) {
        benchmark::DoNotOptimize(function(&color, &state));
    }
    benchmark::DoNotOptimize(color);
}

void bindingEntry(benchmark::State& run) {
    miSetModuleHandle(rendererModule());
    miColor color{};
    miState state{};
    mi_trace_transparent(&color, &state); // resolves
    for (auto _ : run) {
        benchmark::DoNotOptimize(mi_trace_transparent(&color, &state));
    }
    benchmark::DoNotOptimize(color);
}

} // namespace

BENCHMARK(directCall);
BENCHMARK(bindingEntry);
BENCHMARK_MAIN();
