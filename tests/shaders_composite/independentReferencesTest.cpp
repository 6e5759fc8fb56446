// Differential tests against implementations written by others: pixman's float combiners for the
// blend modes whose formulas equal the W3C compositing ones, and Python's colorsys for the
// hue-saturation-lightness conversions.
#include "composite/blend.h"
#include "composite/hsl.h"

#include <gtest/gtest.h>
#include <pixman.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using quillomar::composite::blend;
using quillomar::composite::Hsl;
using quillomar::composite::hslToRgb;
using quillomar::composite::Rgba;
using quillomar::composite::rgbToHsl;

constexpr float kTolerance = 2e-6f;

// Channel values covering 0, 1, 0.5 and both sides of it.
std::vector<float> sampleValues() {
    std::vector<float> v;
    for (int i = 0; i <= 16; ++i) {
        v.push_back(float(i) / 16.0f);
    }
    for (float x : {0.1f, 0.3f, 0.49f, 0.51f, 0.7f, 0.9f, 0.999f}) {
        v.push_back(x);
    }
    return v;
}

struct PixmanImageDeleter {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanImageDeleter>;

// One row of opaque float pixels, red, green, blue, alpha.
PixmanImage floatRow(std::vector<float>& pixels) {
    const int width = int(pixels.size() / 4);
    return PixmanImage(pixman_image_create_bits(PIXMAN_rgba_float, width, 1,
                                                reinterpret_cast<uint32_t*>(pixels.data()),
                                                int(pixels.size() * sizeof(float))));
}

TEST(IndependentReferences, SeparableModesMatchPixmanFloatCombiners) {
    struct Pair {
        int mode;
        pixman_op_t op;
    };
    const Pair pairs[] = {
        {2, PIXMAN_OP_MULTIPLY},    {7, PIXMAN_OP_SCREEN},     {12, PIXMAN_OP_OVERLAY},
        {1, PIXMAN_OP_DARKEN},      {6, PIXMAN_OP_LIGHTEN},    {14, PIXMAN_OP_HARD_LIGHT},
        {19, PIXMAN_OP_DIFFERENCE}, {20, PIXMAN_OP_EXCLUSION},
    };
    const std::vector<float> values = sampleValues();
    // Every (base, layer) pair, one pixel each; red carries the pair, green and blue swap roles.
    std::vector<float> bases, layers;
    for (float b : values) {
        for (float l : values) {
            bases.insert(bases.end(), {b, l, b, 1.0f});
            layers.insert(layers.end(), {l, b, 1.0f - l, 1.0f});
        }
    }
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.mode);
        std::vector<float> dest = bases;
        std::vector<float> src = layers;
        PixmanImage destImage = floatRow(dest);
        PixmanImage srcImage = floatRow(src);
        ASSERT_TRUE(destImage && srcImage);
        const int width = int(dest.size() / 4);
        pixman_image_composite32(pair.op, srcImage.get(), nullptr, destImage.get(), 0, 0, 0, 0, 0,
                                 0, width, 1);
        for (int i = 0; i < width; ++i) {
            const float* b = &bases[i * 4];
            const float* l = &layers[i * 4];
            const Rgba ours =
                blend(pair.mode, {b[0], b[1], b[2], 1.0f}, {l[0], l[1], l[2], 1.0f}, 1.0f);
            const float* theirs = &dest[i * 4];
            ASSERT_NEAR(ours.r, theirs[0], kTolerance) << "B " << b[0] << " L " << l[0];
            ASSERT_NEAR(ours.g, theirs[1], kTolerance) << "B " << b[1] << " L " << l[1];
            ASSERT_NEAR(ours.b, theirs[2], kTolerance) << "B " << b[2] << " L " << l[2];
        }
    }
}

// Runs a Python snippet over whitespace-separated triples and returns its output triples.
std::vector<float> runColorsys(const std::string& function, const std::vector<float>& triples) {
    const std::string input =
        testing::TempDir() + "/colorsys-" + std::to_string(getpid()) + "-" + function + ".txt";
    {
        std::ofstream out(input);
        out.precision(9);
        for (float x : triples) {
            out << x << '\n';
        }
    }
    const std::string command = "python3 -c 'import colorsys,sys\n"
                                "v=[float(x) for x in open(sys.argv[1]).read().split()]\n"
                                "for i in range(0,len(v),3): print(*colorsys." +
                                function + "(*v[i:i+3]))' " + input;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::vector<float> results;
    std::string text;
    char buffer[4096];
    while (pipe) {
        const size_t n = fread(buffer, 1, sizeof buffer, pipe.get());
        if (n == 0) {
            break;
        }
        text.append(buffer, n);
    }
    pipe.reset();
    std::remove(input.c_str());
    std::istringstream in(text);
    float x;
    while (in >> x) {
        results.push_back(x);
    }
    return results;
}

TEST(IndependentReferences, HslConversionsMatchPythonColorsys) {
    const std::vector<float> values = sampleValues();
    std::vector<float> rgb;
    for (float r : values) {
        for (float g : {0.0f, 0.25f, 0.5f, 0.8f, 1.0f}) {
            for (float b : {0.0f, 0.3f, 0.5f, 1.0f}) {
                rgb.insert(rgb.end(), {r, g, b});
            }
        }
    }
    // colorsys orders the components hue, lightness, saturation.
    const std::vector<float> hls = runColorsys("rgb_to_hls", rgb);
    ASSERT_EQ(hls.size(), rgb.size()) << "python3 with colorsys must be available";
    for (size_t i = 0; i < rgb.size(); i += 3) {
        const Hsl ours = rgbToHsl(rgb[i], rgb[i + 1], rgb[i + 2]);
        SCOPED_TRACE(testing::Message() << rgb[i] << " " << rgb[i + 1] << " " << rgb[i + 2]);
        EXPECT_NEAR(ours.h, hls[i], kTolerance);
        EXPECT_NEAR(ours.l, hls[i + 1], kTolerance);
        EXPECT_NEAR(ours.s, hls[i + 2], kTolerance);
    }

    std::vector<float> hlsIn;
    for (float h : values) {
        for (float l : {0.0f, 0.2f, 0.5f, 0.75f, 1.0f}) {
            for (float s : {0.0f, 0.4f, 1.0f}) {
                hlsIn.insert(hlsIn.end(), {h, l, s});
            }
        }
    }
    const std::vector<float> back = runColorsys("hls_to_rgb", hlsIn);
    ASSERT_EQ(back.size(), hlsIn.size());
    for (size_t i = 0; i < hlsIn.size(); i += 3) {
        const Rgba ours = hslToRgb({hlsIn[i], hlsIn[i + 2], hlsIn[i + 1]});
        SCOPED_TRACE(testing::Message()
                     << "h " << hlsIn[i] << " l " << hlsIn[i + 1] << " s " << hlsIn[i + 2]);
        EXPECT_NEAR(ours.r, back[i], kTolerance);
        EXPECT_NEAR(ours.g, back[i + 1], kTolerance);
        EXPECT_NEAR(ours.b, back[i + 2], kTolerance);
    }
}

} // namespace
