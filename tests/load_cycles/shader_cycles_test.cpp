// The shader library loaded and unloaded again and again as the renderer does between renders:
// each load gets a new, empty contour settings table, each unload destroys it and closes the
// library.
#include "resident_memory.h"

#include <rayhost/network.h>
#include <rayhost/render.h>
#include <rayhost/shader_frame.h>
#include <rayhost/shader_library.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace {

constexpr int kCycles = 1000;
constexpr miSshort kThread = 7;

// The contour settings contourStore finds for a sample on kThread, after the material ran there
// first when `shadeFirst`; its first word is the contour colour's red.
float storedContourRed(const rayhost::ShaderLibrary& library, bool shadeFirst) {
    rayhost::ShaderNetwork network;
    const rayhost::InstanceId material = network.add("m", library.kind("contourMltShader"));
    const rayhost::InstanceId store = network.add("s", library.kind("contourStore"));
    network.set(material, "contourColor", {0.75, 0, 0, 1});
    miOptions options{};
    rayhost::PrimarySample sample;
    rayhost::fillPrimarySample(sample, &options, 0, 0, 4, 4, kThread);
    if (shadeFirst) {
        miColor colour{};
        network.call(material, &colour, &sample.state);
    }
    unsigned char info[132] = {};
    int size = 0;
    miColor colour{};
    rayhost::ShaderFrame frame(network, store, &sample.state);
    frame.function<miContour_Store_Function>()(info, &size, &sample.state, &colour);
    float red = 0;
    std::memcpy(&red, info + 72, sizeof red); // after 18 words of sample data
    return red;
}

TEST(ShaderLoadCycles, EveryLoadGetsAFreshSettingsTableAndUnloadingClosesTheLibrary) {
    std::size_t settled = 0;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        {
            const rayhost::ShaderLibrary library(QUILLOMAR_SHADER_LIBRARY,
                                                 QUILLOMAR_SHADER_DECLARATIONS);
            ASSERT_EQ(storedContourRed(library, false), 0.0f) << "cycle " << cycle;
            ASSERT_EQ(storedContourRed(library, true), 0.75f) << "cycle " << cycle;
        }
        ASSERT_EQ(dlopen(QUILLOMAR_SHADER_LIBRARY, RTLD_NOW | RTLD_NOLOAD), nullptr)
            << "cycle " << cycle << ": the library stayed loaded";
        if (cycle == 9)
            settled = cycles::residentBytes();
    }
    const std::size_t last = cycles::residentBytes();
    std::printf("resident memory after 10 cycles %.1f MB, after %d cycles %.1f MB\n",
                settled / 1048576.0, kCycles, last / 1048576.0);
    if (!cycles::kSanitizerKeepsFreedMemory) {
        EXPECT_LT(last, settled + 4 * 1048576) << "resident memory grew over the cycles";
    }
}

} // namespace
