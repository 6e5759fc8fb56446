// Whole renders with the contour pass, using the test shaders: a ball over a ground plane
// whose horizon meets the empty sky, every material and the sky white, lines of distinct colours
// and widths. Line widths are measured as the sum of the line's coverage across it.
#include "scene_fixture.h"

#include <rayhost/scene_render.h>
#include <rayhost/scene_shading.h>

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240; // a contour width of 1 is 2.4 pixels

class ContourRenderTest : public ::testing::Test, protected scenetest::SceneFixture {
protected:
    rayhost::RenderSettings settings;

    // The ball (red lines, 2.5 % wide) rests on the ground (blue, 1.25 %); the camera looks
    // level from (0, 0, 10) at the ball's centre, so the horizon runs across the image's middle.
    void ballOnGround(bool ballHasLines = true) {
        const std::size_t ball =
            material("ball", {1, 1, 1, 1}, false, {1, 0, 0, 1}, ballHasLines ? 2.5f : 0.0f);
        const std::size_t ground = material("ground", {1, 1, 1, 1}, false, {0, 0, 1, 1}, 1.25f);
        place("ball", rayhost::Sphere{1}, ball, 1);
        place("ground", rayhost::Plane{}, ground, 2, {{0, -1, 0}, {}, 1});
        scene.background = {1, 1, 1, 1};
        withContours();
        settings.width = kWidth;
        settings.height = kHeight;
    }

    // Sum of a line's coverage down a column between two rows: a line of colour c over white
    // leaves 1 - coverage in the channels c lacks.
    static double widthDown(const quillomar::Image& image, int x, int top, int bottom,
                            int channel) {
        double sum = 0;
        for (int y = top; y < bottom; ++y) {
            sum += 1.0 - image.pixel(x, y)[channel] / 255.0;
        }
        return sum;
    }
};

TEST_F(ContourRenderTest, OutlinesCarryTheFrontMaterialsColourAndWidth) {
    ballOnGround();
    settings.threads = 2;
    const quillomar::Image image = rayhost::render(network, scene, settings);
    // The horizon, far from the ball: blue, 3 pixels wide, centred on the row boundary 120.
    EXPECT_NEAR(widthDown(image, 10, 100, 140, 0), 3.0, 0.02);
    EXPECT_EQ(image.pixel(10, 120)[0], 0);
    EXPECT_EQ(image.pixel(10, 120)[2], 255);
    EXPECT_EQ(image.pixel(10, 110)[0], 255); // sky
    EXPECT_EQ(image.pixel(10, 130)[0], 255); // ground
    // The ball's outline at its top, against the sky: red, 6 pixels wide. The ball's silhouette
    // has an angular radius of asin(0.1), about 43.9 pixels here.
    EXPECT_NEAR(widthDown(image, 160, 50, 100, 1), 6.0, 0.1);
    const std::uint8_t* top = image.pixel(160, 76);
    EXPECT_EQ(top[0], 255);
    EXPECT_EQ(top[1], 0);
    EXPECT_EQ(top[2], 0);
    // At the bottom the ball is in front of the ground: its line again, not the ground's.
    EXPECT_EQ(image.pixel(160, 164)[1], 0);
    EXPECT_EQ(image.pixel(160, 164)[0], 255);
    // Inside the ball and on open ground: no line.
    EXPECT_EQ(image.pixel(160, 100)[1], 255);
    EXPECT_EQ(image.pixel(40, 200)[1], 255);
}

TEST_F(ContourRenderTest, WidthsStayInImagePixelsWithMoreSamplesPerPixel) {
    ballOnGround();
    settings.samples = 1; // 2 x 2 per pixel
    settings.threads = 3;
    const quillomar::Image image = rayhost::render(network, scene, settings);
    EXPECT_NEAR(widthDown(image, 10, 100, 140, 0), 3.0, 0.02);
    EXPECT_NEAR(widthDown(image, 160, 50, 100, 1), 6.0, 0.1);
}

TEST_F(ContourRenderTest, OneAndFourThreadsGiveTheSameImage) {
    ballOnGround();
    settings.threads = 1;
    const quillomar::Image one = rayhost::render(network, scene, settings);
    settings.threads = 4;
    const quillomar::Image four = rayhost::render(network, scene, settings);
    EXPECT_TRUE(one.rgba == four.rgba);
}

TEST_F(ContourRenderTest, MaterialWithoutContourShaderDrawsNoLineWhereItIsInFront) {
    ballOnGround(false);
    const quillomar::Image image = rayhost::render(network, scene, settings);
    EXPECT_EQ(image.pixel(160, 76)[1], 255);
    EXPECT_EQ(image.pixel(160, 164)[1], 255);
    EXPECT_EQ(image.pixel(10, 120)[0], 0); // the ground's horizon is still drawn
    // Across the ball's lower silhouette, with the ground behind it on both sides: the ground's
    // contour shader is never asked, whichever of the two samples comes first in the scan.
    for (int x = 100; x < 220; ++x) {
        EXPECT_EQ(image.pixel(x, 150)[0], 255) << x;
    }
}

TEST_F(ContourRenderTest, LinesBehindASeeThroughSurfaceNeedTheirLevel) {
    // A see-through ball: where it covers the horizon, the ground and sky behind it are the
    // third level of the samples' ray trees (ball front, ball back, then what lies behind).
    ballOnGround();
    network.set(scene.materials[0].shader, "seeThrough", {1});
    const auto horizonInsideBall = [&] {
        return rayhost::render(network, scene, settings).pixel(160, 120)[0];
    };
    EXPECT_EQ(horizonInsideBall(), 255);
    network.set(*scene.contourContrast, "maxLevel", {3});
    EXPECT_EQ(horizonInsideBall(), 0);
    // With rays going no deeper than the ball's back, that sees black behind it: the ball is
    // grey, three quarters white, and level 3 does not exist.
    settings.traceDepth = 1;
    EXPECT_EQ(horizonInsideBall(), 191);
}

TEST_F(ContourRenderTest, SamplesOfAPixelAreAveraged) {
    // A red square whose right edge runs through the middle of pixel column 1 of a 4 x 4 image:
    // with 2 x 2 samples per pixel, half of that column's samples hit it.
    rayhost::Mesh square;
    square.vertices = {{-10, -10, 0}, {-0.25, -10, 0}, {-0.25, 10, 0}, {-10, 10, 0}};
    square.triangles = {{0, 1, 2}, {0, 2, 3}};
    place("square", square, material("red", {1, 0, 0, 1}), 0, {{0, 0, -1}, {}, 1});
    scene.camera = {{0, 0, 0}, {0, 0, -1}, {0, 1, 0}, 90};
    settings.width = settings.height = 4;
    settings.samples = 1;
    const quillomar::Image image = rayhost::render(network, scene, settings);
    EXPECT_EQ(image.pixel(0, 2)[0], 255);
    EXPECT_EQ(image.pixel(1, 2)[0], 128);
    EXPECT_EQ(image.pixel(1, 2)[3], 128); // half the background's alpha 0
    EXPECT_EQ(image.pixel(2, 2)[3], 0);
}

TEST_F(ContourRenderTest, StoreThatWritesTooLargeAnInfoStopsTheRender) {
    const std::size_t white = material("white", {1, 1, 1, 1});
    place("wall", rayhost::Plane{}, white, 0, {{0, 0, -3}, {90, 0, 0}, 1});
    const auto declarations = rayhost::parseDeclarations(
        "declare shader color \"bigStore\" () version 1 apply contour end declare");
    const auto bigStore = [](void*, int* size, miState*, miColor*) -> miBoolean {
        *size = rayhost::kContourInfoCapacity + 4;
        return miTRUE;
    };
    scene.contourStore = network.add(
        "big", {&declarations[0],
                rayhost::asShaderFunction(static_cast<miContour_Store_Function>(bigStore))});
    scene.contourContrast = network.add("contrast", scenetest::kind("materialContrast"));
    settings.width = settings.height = 8;
    EXPECT_THROW(rayhost::render(network, scene, settings), std::runtime_error);
    // A contour function must be declared for contours.
    scene.contourContrast = scene.materials[0].shader;
    EXPECT_THROW(rayhost::render(network, scene, settings), rayhost::SceneError);
}

} // namespace
