// Many render threads shading and storing at once, each with its own thread number: every
// sample's record carries the settings its own thread's material stored (run under
// ThreadSanitizer with the label "concurrency").
#include "contour_fixture.h"

#include "test_shaders.h"

#include <atomic>

namespace {

class ContourThreadsTest : public contourtest::ContourFixture {};

TEST_F(ContourThreadsTest, EachRenderThreadStoresItsOwnMaterialsSettings) {
    // The contour colour is the grey level thread / 10 of the thread shading it; the width
    // ramp counts the samples.
    const rayhost::InstanceId mat = material("mat", {{"widthMax", {1}}});
    const rayhost::InstanceId grey = network.add("grey", testshaders::kind("threadColor"));
    network.connect(mat, "contourColor", grey);
    constexpr int kThreads = 8;
    constexpr int kSamples = 3000;
    std::atomic<int> ready{0};
    std::atomic<int> wrong{0};
    rayhost::runThreads(kThreads, [&](miSshort thread) {
        ++ready;
        while (ready < kThreads) {
            std::this_thread::yield();
        }
        const float expected = static_cast<float>(thread) / 10.0f;
        for (int k = 0; k < kSamples; ++k) {
            rayhost::PrimarySample s = sample(thread);
            miColor colour{};
            network.call(mat, &colour, &s.state);
            contourtest::Info info{};
            int size = 0;
            miColor sampleColour = colour;
            store(&info, &size, &s.state, &sampleColour);
            if (info.settings.contourColor.r != expected || info.settings.widthMax != 1.0f) {
                ++wrong;
            }
        }
    });
    EXPECT_EQ(wrong, 0);
}

} // namespace
