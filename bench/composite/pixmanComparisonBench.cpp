// Our blend per pixel against pixman's float combiners on the same 1024 x 1024 random opaque
// pixels, for every mode the two share. Both work in place on the base image, which is restored
// from a pristine copy before each run with the clock stopped, so every run blends the same
// values (repeated blends would drift towards zeros and subnormals).
#include "composite/blend.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstring>
#include <string>
#include <utility>
#include <random>
#include <vector>

namespace {

using quillomar::composite::blend;
using quillomar::composite::Rgba;

constexpr int kSide = 1024;
constexpr std::size_t kPixels = std::size_t(kSide) * kSide;

struct SharedMode {
    const char* name;
    int mode;
    pixman_op_t op;
};

// Our mode numbers beside pixman's operators.
constexpr SharedMode kShared[] = {
    {"multiply", 2, PIXMAN_OP_MULTIPLY},
    {"screen", 7, PIXMAN_OP_SCREEN},
    {"overlay", 12, PIXMAN_OP_OVERLAY},
    {"darken", 1, PIXMAN_OP_DARKEN},
    {"lighten", 6, PIXMAN_OP_LIGHTEN},
    {"colourDodge", 8, PIXMAN_OP_COLOR_DODGE},
    {"colourBurn", 3, PIXMAN_OP_COLOR_BURN},
    {"hardLight", 14, PIXMAN_OP_HARD_LIGHT},
    {"softLight", 13, PIXMAN_OP_SOFT_LIGHT},
    {"difference", 19, PIXMAN_OP_DIFFERENCE},
    {"exclusion", 20, PIXMAN_OP_EXCLUSION},
    {"hue", 23, PIXMAN_OP_HSL_HUE},
    {"saturation", 24, PIXMAN_OP_HSL_SATURATION},
    {"colour", 26, PIXMAN_OP_HSL_COLOR},
    {"luminosity", 25, PIXMAN_OP_HSL_LUMINOSITY},
};

// Rgba has pixman's rgba_float layout: four floats, red first.
static_assert(sizeof(Rgba) == 4 * sizeof(float));

struct Pixels {
    std::vector<Rgba> base, layer, work;

    Pixels() : base(kPixels), layer(kPixels), work(kPixels) {
        std::mt19937 generator(17);
        std::uniform_real_distribution<float> channel(0.0f, 1.0f);
        for (std::vector<Rgba>* image : {&base, &layer}) {
            for (Rgba& c : *image) {
                c = {channel(generator), channel(generator), channel(generator), 1.0f};
            }
        }
    }

    void restore(benchmark::State& state) {
        state.PauseTiming();
        std::memcpy(work.data(), base.data(), kPixels * sizeof(Rgba));
        state.ResumeTiming();
    }
};

Pixels& pixels() {
    static Pixels shared;
    return shared;
}

pixman_image_t* floatImage(std::vector<Rgba>& storage) {
    return pixman_image_create_bits(PIXMAN_rgba_float, kSide, kSide,
                                    reinterpret_cast<uint32_t*>(storage.data()),
                                    int(kSide * sizeof(Rgba)));
}

void countPixels(benchmark::State& state) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kPixels));
}

void pixmanFloatCombiner(benchmark::State& state, const SharedMode& shared) {
    Pixels& p = pixels();
    pixman_image_t* source = floatImage(p.layer);
    pixman_image_t* destination = floatImage(p.work);
    for (auto _ : state) {
        p.restore(state);
        pixman_image_composite32(shared.op, source, nullptr, destination, 0, 0, 0, 0, 0, 0, kSide,
                                 kSide);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(destination);
    pixman_image_unref(source);
    countPixels(state);
}

void blendPerPixel(benchmark::State& state, const SharedMode& shared) {
    Pixels& p = pixels();
    const int mode = shared.mode;
    for (auto _ : state) {
        p.restore(state);
        Rgba* out = p.work.data();
        const Rgba* layer = p.layer.data();
        for (std::size_t i = 0; i < kPixels; ++i) {
            out[i] = blend(mode, out[i], layer[i], 1.0f);
        }
        benchmark::ClobberMemory();
    }
    countPixels(state);
}

// Named pixman/MODE and blend/MODE, pixman's run first.
bool registerEverySharedMode() {
    for (const SharedMode& shared : kShared) {
        for (auto [prefix, run] :
             {std::pair{"pixman/", pixmanFloatCombiner}, std::pair{"blend/", blendPerPixel}}) {
            benchmark::RegisterBenchmark((prefix + std::string(shared.name)).c_str(), run, shared)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}

const bool registered = registerEverySharedMode();

} // namespace
