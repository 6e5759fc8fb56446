// What the reticle draws in the stand-in viewport: recorded GL calls, feedback and pixels.
#include "reticle_fixture.h"

#include <GL/gl.h>

#include <algorithm>

namespace {
const double kZ = -(0.1 + 0.001); // in front of the camera's default near plane

using Vertices = std::vector<std::array<double, 3>>;

Vertices rectangle(double left, double right, double bottom, double top) {
    return {{left, bottom, kZ}, {right, bottom, kZ}, {right, top, kZ}, {left, top, kZ}};
}

void expectVertices(const Vertices& actual, const Vertices& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(actual[i][k], expected[i][k], 0.005) << "vertex " << i << " axis " << k;
}

// The names of the calls, for comparing sequences.
std::vector<std::string> namesOf(const std::vector<glrec::Call>& calls, std::size_t from,
                                 std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = from; i < from + count && i < calls.size(); ++i)
        names.push_back(calls[i].name);
    return names;
}

struct Rgb {
    int r, g, b;
};

Rgb pixel(const quillomar::Image& image, int x, int yFromBottom) {
    const std::uint8_t* p = image.pixel(x, image.height - 1 - yFromBottom);
    return {p[0], p[1], p[2]};
}
} // namespace

TEST_F(ReticleTest, DrawsNothingAtAllWhenOffOrForCamerasThatDoNotWantIt) {
    set(".displayCrosshair", 1);
    hostkit::Viewport viewport(kCamera, 320, 180);
    EXPECT_GT(recordDraw(viewport).size(), 20u);
    // What the host itself calls around a locator's draw.
    const std::size_t hostCalls = recordAll(viewport).size() - recordDraw(viewport).size();

    set(".drawingEnabled", 0);
    EXPECT_EQ(recordAll(viewport).size(), hostCalls);
    EXPECT_EQ(viewport.locatorDraws().at(0).beginGLCalls, 0);
    set(".drawingEnabled", 1);

    set("viewerShape.orthographic", 1);
    EXPECT_EQ(recordAll(viewport).size(), hostCalls);
    set("viewerShape.orthographic", 0);

    runMel("addAttr -ln \"useReticle\" -at \"long\" -dv 0 viewerShape;");
    EXPECT_EQ(recordAll(viewport).size(), hostCalls);
    set("viewerShape.useReticle", 2);
    EXPECT_GT(recordAll(viewport).size(), hostCalls);
}

TEST_F(ReticleTest, SetsUpPixelSpaceAndRestoresTheHostState) {
    set(".displayLineH", 1);
    addText(0, 0);
    setString(".text[0].textStr", "x");
    hostkit::Viewport viewport(kCamera, 320, 180);
    const std::vector<glrec::Call> calls = recordDraw(viewport);
    ASSERT_GT(calls.size(), 20u);
    EXPECT_EQ(
        namesOf(calls, 0, 11),
        (std::vector<std::string>{"glPushAttrib", "glMatrixMode", "glPushMatrix", "glMatrixMode",
                                  "glPushMatrix", "glLoadIdentity", "glOrtho", "glMatrixMode",
                                  "glLoadIdentity", "glEnable", "glBlendFunc"}));
    EXPECT_EQ(calls[0].args, std::vector<double>{double(GL_ALL_ATTRIB_BITS)});
    EXPECT_EQ(calls[1].args[0], GL_MODELVIEW);
    EXPECT_EQ(calls[3].args[0], GL_PROJECTION);
    EXPECT_EQ(calls[6].args, (std::vector<double>{0, 320, 0, 180, 0.1, 10000}));
    EXPECT_EQ(calls[7].args[0], GL_MODELVIEW);
    EXPECT_EQ(calls[9].args[0], GL_BLEND);
    EXPECT_EQ(calls[10].args, (std::vector<double>{GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}));

    const std::size_t tail = calls.size() - 7;
    EXPECT_EQ(namesOf(calls, tail, 7),
              (std::vector<std::string>{"glDisable", "glBlendFunc", "glMatrixMode", "glPopMatrix",
                                        "glMatrixMode", "glPopMatrix", "glPopAttrib"}));
    EXPECT_EQ(calls[tail].args[0], GL_BLEND);
    EXPECT_EQ(calls[tail + 1].args, (std::vector<double>{GL_ONE, GL_ZERO})); // the host's
    EXPECT_EQ(calls[tail + 2].args[0], GL_PROJECTION);
    EXPECT_EQ(calls[tail + 4].args[0], GL_MODELVIEW);

    const hostkit::LocatorDraw& record = viewport.locatorDraws().at(0);
    EXPECT_EQ(record.beginGLCalls, 1);
    EXPECT_EQ(record.endGLCalls, 1);
    EXPECT_EQ(record.before, record.after) << record.before.describe() << "\n"
                                           << record.after.describe();
    // Every shape is drawn with depth testing and writing off, and both put back after it.
    EXPECT_EQ(argsOf(calls, "glDepthMask").size(), 2u * 2u);
    EXPECT_EQ(argsOf(calls, "glLineWidth").size(), 0u);
}

TEST_F(ReticleTest, PassesDrawMasksOutlinesSafeFramesAndGuidesInOrder) {
    // Logical indices out of ratio order: drawing goes by ascending ratio.
    addAspect(7, 3.0, 1);
    addAspect(2, 2.0, 2);
    addAspect(4, 1.5, 2);
    set(".aspectRatios[4].aspectDisplaySafeAction", 1);
    set(".aspectRatios[7].aspectDisplaySafeTitle", 1);
    set(".aspectRatios[4].aspectMaskColor", {0.1, 0.2, 0.3});
    set(".aspectRatios[4].aspectMaskTrans", 0.25);
    set(".aspectRatios[7].aspectLineColor", {0.4, 0.5, 0.6});
    set(".aspectRatios[7].aspectLineTrans", 0.5);
    for (const char* guide : {".displayLineH", ".displayLineV", ".displayThirdsH",
                              ".displayThirdsV", ".displayCrosshair"})
        set(guide, 1);
    set(".lineTrans", 0.0);
    hostkit::Viewport viewport(kCamera, 320, 180);
    const std::vector<glrec::Call> calls = recordDraw(viewport);
    const std::vector<glrec::Batch> batches = glrec::groupBatches(calls);
    ASSERT_EQ(batches.size(), 2u + 5u + 10u);

    // The gate is 320 wide (horizontal fit), centred on (160, 90); frames span its width.
    const double h15 = 320 / 1.5 / 2, h2 = 320 / 2.0 / 2, h3 = 320 / 3.0 / 2;
    EXPECT_EQ(batches[0].mode, unsigned(GL_QUADS));
    ASSERT_EQ(batches[0].vertices.size(), 16u); // with its sides: the whole ring to the port
    expectVertices(Vertices(batches[0].vertices.begin(), batches[0].vertices.begin() + 4),
                   {{0, 0, kZ}, {320, 0, kZ}, {320, 90 - h15, kZ}, {0, 90 - h15, kZ}});
    EXPECT_EQ(batches[1].mode, unsigned(GL_QUADS));
    expectVertices(batches[1].vertices, {{0, 90 - h15, kZ},
                                         {320, 90 - h15, kZ},
                                         {320, 90 - h2, kZ},
                                         {0, 90 - h2, kZ},
                                         {0, 90 + h2, kZ},
                                         {320, 90 + h2, kZ},
                                         {320, 90 + h15, kZ},
                                         {0, 90 + h15, kZ}});

    // Outlines: closed for the first entry only; safe frames closed.
    const unsigned modes[] = {GL_LINE_LOOP, GL_LINE_LOOP, GL_LINES, GL_LINES, GL_LINE_LOOP};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(batches[2 + i].mode, modes[i]) << i;
    expectVertices(batches[2].vertices, rectangle(0, 320, 90 - h15, 90 + h15));
    expectVertices(batches[3].vertices, rectangle(16, 304, 90 - 0.9 * h15, 90 + 0.9 * h15));
    expectVertices(batches[5].vertices, rectangle(0, 320, 90 - h3, 90 + h3));
    expectVertices(batches[6].vertices, rectangle(32, 288, 90 - 0.8 * h3, 90 + 0.8 * h3));

    // Guides: centre lines, thirds at 0.33 and 0.66 of the first aspect frame, crosshair.
    const double b = 90 - h15, t = 90 + h15;
    const Vertices guides[] = {{{0, 90, kZ}, {320, 90, kZ}},
                               {{160, 0.01, kZ}, {160, 179.99, kZ}},
                               {{0, b + 0.33 * (t - b), kZ}, {320, b + 0.33 * (t - b), kZ}},
                               {{0, b + 0.66 * (t - b), kZ}, {320, b + 0.66 * (t - b), kZ}},
                               {{0.33 * 320, b, kZ}, {0.33 * 320, t, kZ}},
                               {{0.66 * 320, b, kZ}, {0.66 * 320, t, kZ}},
                               {{135, 90, kZ}, {155, 90, kZ}},
                               {{185, 90, kZ}, {165, 90, kZ}},
                               {{160, 65, kZ}, {160, 85, kZ}},
                               {{160, 115, kZ}, {160, 95, kZ}}};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(batches[7 + i].mode, unsigned(GL_LINES));
        expectVertices(batches[7 + i].vertices, guides[i]);
    }

    // Colours in batch order, alpha = 1 - transparency.
    const std::vector<std::vector<double>> colors = argsOf(calls, "glColor4f");
    ASSERT_EQ(colors.size(), batches.size());
    const std::vector<double> expected[] = {
        {0.1, 0.2, 0.3, 0.75}, {0, 0, 0, 0.25},      {0.8, 0.8, 0.8, 1},   {0.8, 0.8, 0.8, 1},
        {0.8, 0.8, 0.8, 1},    {0.4, 0.5, 0.6, 0.5}, {0.4, 0.5, 0.6, 0.5}, {1, 1, 0, 1}};
    for (int i = 0; i < 8; ++i)
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(colors[i][k], expected[i][k], 1e-6) << i;
}

TEST_F(ReticleTest, TheViewingCameraGivesFitOverscanSqueezeAndApertures) {
    // The centre lines span the film gate: their ends give its width and height.
    set(".displayLineH", 1);
    set(".displayLineV", 1);
    set(".horizontalFilmAperture", -1); // the camera's apertures: 1.2 x 0.8
    set("viewerShape.horizontalFilmAperture", 1.2);
    set("viewerShape.verticalFilmAperture", 0.8);
    set("viewerShape.filmFit", 2);
    set("viewerShape.overscan", 1.1);
    set("viewerShape.lensSqueezeRatio", 2);
    hostkit::Viewport viewport(kCamera, 320, 180);
    const double height = 180 / 1.1, width = height * 1.5 * 2;
    const std::vector<glrec::Batch> lines = glrec::groupBatches(recordDraw(viewport));
    ASSERT_EQ(lines.size(), 2u);
    expectVertices(lines[0].vertices, {{160 - width / 2, 90, kZ}, {160 + width / 2, 90, kZ}});
    expectVertices(lines[1].vertices, {{160, 90 - height / 2, kZ}, {160, 90 + height / 2, kZ}});
}

TEST_F(ReticleTest, OnlySafeFramesAreStippled) {
    addAspect(0, 1.85, 1);
    set(".aspectRatios[0].aspectDisplaySafeAction", 1);
    set(".aspectRatios[0].aspectDisplaySafeTitle", 1);
    hostkit::Viewport viewport(kCamera, 320, 180);
    const std::vector<glrec::Call> calls = recordDraw(viewport);
    // Stipple state is recorded, as feedback does not show it.
    bool stippling = false;
    std::vector<bool> stippledBatches;
    for (const glrec::Call& call : calls) {
        if (call.args.size() == 1 && call.args[0] == GL_LINE_STIPPLE)
            stippling = call.name == "glEnable"    ? true
                        : call.name == "glDisable" ? false
                                                   : stippling;
        if (call.name == "glLineStipple") {
            EXPECT_EQ(call.args, (std::vector<double>{2, 0x00FF}));
        }
        if (call.name == "glBegin")
            stippledBatches.push_back(stippling);
    }
    EXPECT_EQ(stippledBatches, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(argsOf(calls, "glLineStipple").size(), 2u);
    EXPECT_FALSE(stippling);
    EXPECT_FALSE(viewport.locatorDraws().at(0).after.lineStipple);
}

TEST_F(ReticleTest, FrameOutlinesLandOnTheirPixels) {
    addAspect(0, 1.85, 1);
    set(".aspectRatios[0].aspectDisplaySafeAction", 1);
    set(".aspectRatios[0].aspectDisplaySafeTitle", 1);
    hostkit::Viewport viewport(kCamera, 1920, 1080);
    // Feedback gives each loop as its four sides; the first vertex of each is a corner.
    std::vector<std::vector<std::array<double, 2>>> loops;
    for (const hostkit::FeedbackRecord& record : viewport.capture()) {
        if (record.kind != hostkit::FeedbackRecord::kLine)
            continue;
        if (loops.empty() || loops.back().size() == 4)
            loops.emplace_back();
        loops.back().push_back({record.vertices[0].x, record.vertices[0].y});
    }
    // A gate 1920 wide: the 1.85 frame is 1037.84 high, safe frames inset by 96 / 51.89 and
    // 192 / 103.78.
    ASSERT_EQ(loops.size(), 3u);
    const double bottom = 540 - 1037.84 / 2;
    const double corners[3][2][2] = {{{0, bottom}, {1920, 1080 - bottom}},
                                     {{96, bottom + 51.89}, {1824, 1080 - bottom - 51.89}},
                                     {{192, bottom + 103.78}, {1728, 1080 - bottom - 103.78}}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(loops[i].size(), 4u);
        EXPECT_NEAR(loops[i][0][0], corners[i][0][0], 0.01);
        EXPECT_NEAR(loops[i][0][1], corners[i][0][1], 0.01);
        EXPECT_NEAR(loops[i][2][0], corners[i][1][0], 0.01);
        EXPECT_NEAR(loops[i][2][1], corners[i][1][1], 0.01);
    }
}

TEST_F(ReticleTest, MasksTileThePortOutsideTheirFrames) {
    // A port wider than the gate: the first mask also covers the side bands.
    set("viewerShape.filmFit", 2);
    addAspect(0, 2.0, 2);
    addAspect(1, 2.39, 2);
    set(".aspectRatios[0].aspectMaskTrans", 0);
    set(".aspectRatios[1].aspectMaskColor", {1, 0, 0});
    set(".aspectRatios[1].aspectMaskTrans", 0.5); // half over the white background
    hostkit::Viewport viewport(kCamera, 400, 180);
    viewport.setGridVisible(false);
    viewport.setBackground(1, 1, 1);
    viewport.draw();
    const quillomar::Image image = viewport.image();
    // Gate 320.04 x 180 centred: the 2.0 frame is 160 high, the 2.39 frame 133.9.
    const struct {
        int x, y, r, g, b;
    } samples[] = {{200, 5, 0, 0, 0},         {200, 15, 255, 128, 128}, {200, 90, 255, 255, 255},
                   {200, 165, 255, 128, 128}, {200, 175, 0, 0, 0},      {10, 90, 0, 0, 0},
                   {390, 90, 0, 0, 0},        {45, 30, 255, 255, 255},  {355, 150, 255, 255, 255},
                   {45, 15, 255, 128, 128}};
    EXPECT_EQ(image.pixel(200, 180 - 1 - 15)[3], 255) << "the viewport shows no alpha";
    for (const auto& s : samples) {
        const Rgb seen = pixel(image, s.x, s.y);
        EXPECT_NEAR(seen.r, s.r, 1) << s.x << "," << s.y;
        EXPECT_NEAR(seen.g, s.g, 1) << s.x << "," << s.y;
        EXPECT_NEAR(seen.b, s.b, 1) << s.x << "," << s.y;
    }
}
