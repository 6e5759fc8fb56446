// The sign's Viewport 2.0 override against its legacy draw, and what its update may do.
#include "picture.h"
#include "vp2_fixture.h"

#include <hostkit/scene.h>

namespace {

const int kWidth = 640, kHeight = 480;

class SignVp2 : public Vp2Test {
protected:
    void SetUp() override {
        Vp2Test::SetUp();
        createCamera({0, 12, 16}, {-36.87, 0, 0});
    }

    std::string sign(const std::string& name, int type, const std::vector<double>& position) {
        const std::string shape = create("sign", name, position);
        set(shape + ".type", type);
        return shape;
    }
};

} // namespace

TEST_F(SignVp2, BothViewportsDrawTheSamePicture) {
    // Every marker type, and curves, in a grid; placement, colours, labels and lines varied.
    const int types[] = {0, 1, 2, 3, 30, 31, 60, 61, 62, 90, 91, 92, 120, 121, 999, 5};
    for (int i = 0; i < 16; ++i) {
        const std::string shape = sign("s" + std::to_string(i), types[i],
                                       {-6.0 + 4.0 * (i % 4), 0.0, -5.0 + 3.5 * (i / 4)});
        set(shape + ".color", {0.1 * (i % 5), 0.2 + 0.05 * i, 0.9 - 0.05 * i});
        set(shape + ".alpha", 1.0 - 0.04 * i);
        set(shape + ".width", 1 + i % 3);
        if (i % 3 == 0)
            setString(shape + ".text", "mark " + std::to_string(i));
        set(shape + ".textPosition", {0.3 * (i % 4), 0.5, -0.2 * (i % 3)});
        set(shape + ".textColor", {0.9, 0.6, 0.1 * (i % 7)});
        set(shape + ".textAlpha", 0.5 + 0.03 * i);
        set(shape + ".enableTextLine", i % 2);
        set(shape + ".enableTailLine", i % 4 == 1);
        set(shape + ".tailLineVector", {0.2, 1.5, -0.4});
    }
    set("s4Shape.localPosition", {0.4, 0.6, -0.3});
    set("s4Shape.localRotate", {30, 45, 60});
    set("s4Shape.localScale", {1.5, 0.5, 0.8});
    set("s5Shape.localPosition", {-0.3, 0.2, 0.4}); // the tail and text lines start here
    set("s9Shape.radius", 1.3);
    set("s9Shape.localRotate", {0, 35, 0});
    set("s10Shape.localScale", {0.6, 1.2, 0.6});
    set("s11.rotate", {0, 30, 10});
    // The control polygon of a connected curve, in a sign placed and turned.
    const std::string curved = sign("curved", 900, {3, 1, 5});
    set(curved + ".localRotate", {0, 90, 0});
    setString(curved + ".text", "curve");
    runMel("createNode transform -n \"arc\"; createNode nurbsCurve -n \"arcShape\" -p \"arc\";"
           "setAttr \"arcShape.cc\" -type \"nurbsCurve\" 3 1 0 no 3 6 0 0 0 1 1 1 4"
           " 0 0 0 1 0 0 1 0 1 2 0 1;");
    runMel("connectAttr \"arcShape.local\" \"" + curved + ".inputCurve[3]\";");
    runMel("select -r s2 s6"); // s2 active, s6 the lead

    hostkit::Viewport viewport("viewer", kWidth, kHeight);
    const vp2test::Picture legacy = vp2test::legacyPicture(viewport);
    EXPECT_EQ(legacy.segments.size(), 540u); // all of it in view
    EXPECT_EQ(legacy.texts.size(), 7u);
    vp2test::expectSamePicture(legacy, vp2test::viewport2Picture(viewport));
    // The vertices differ by rounding only.
    EXPECT_LT(vp2test::differingPixels(viewport, 1), 20);

    ASSERT_EQ(viewport.overrideDraws().size(), 17u);
    for (const hostkit::OverrideDraw& draw : viewport.overrideDraws()) {
        EXPECT_EQ(draw.classification, "drawdb/geometry/sign");
        EXPECT_TRUE(draw.refused.empty()) << draw.refused.front();
    }
    // The line width follows "width"; labels use the legacy font's height.
    for (const hostkit::Drawable& drawable : overrideOf(viewport, "s5Shape").drawables) {
        if (drawable.kind == hostkit::Drawable::kText)
            EXPECT_EQ(drawable.fontSize, 10u);
        else
            EXPECT_EQ(drawable.lineWidth, 3.0f);
    }
    EXPECT_EQ(overrideOf(viewport, "s6Shape").status, MHWRender::kLead);
}

TEST_F(SignVp2, TheUpdateMakesNoOpenGLCallAndReadsPlugsOnlyWhenTheSignChanged) {
    const std::string shape = sign("marker", 900, {0, 0, 0});
    setString(shape + ".text", "label");
    set(shape + ".enableTailLine", 1);
    runMel("createNode transform -n \"arc\"; createNode nurbsCurve -n \"arcShape\" -p \"arc\";"
           "setAttr \"arcShape.cc\" -type \"nurbsCurve\" 1 2 0 no 3 3 0 1 2 3 0 0 0 1 0 0 1 0 1;");
    runMel("connectAttr \"arcShape.local\" \"" + shape + ".inputCurve[0]\";");
    hostkit::Viewport viewport("viewer", kWidth, kHeight);
    viewport.setMode(hostkit::ViewportMode::kViewport2);

    auto update = [&viewport] { return updateOverrides(viewport, "markerShape"); };
    hostkit::OverrideDraw draw = update();
    EXPECT_TRUE(draw.updated);
    EXPECT_GT(draw.prepareReads, 15);
    const std::size_t drawables = draw.drawables.size();
    EXPECT_EQ(drawables, 4u); // the curve's polygon, the tail line, the label, the text line

    draw = update(); // nothing changed: the drawables of the last update are drawn again
    EXPECT_FALSE(draw.updated);
    EXPECT_EQ(draw.prepareReads, 0);
    EXPECT_EQ(draw.drawables.size(), drawables);

    set("marker.translate", {1, 0, 0}); // moves the drawables, changes nothing in them
    draw = update();
    EXPECT_FALSE(draw.updated);
    EXPECT_DOUBLE_EQ(draw.world(3, 0), 1.0);

    // The sign's own values, what feeds its curves, and its display status update it.
    set(shape + ".textColor", {1, 0, 0});
    EXPECT_TRUE(update().updated);
    runMel("setAttr \"arcShape.cc\" -type \"nurbsCurve\" 1 2 0 no 3 3 0 1 2 3 0 0 0 2 0 0 1 0 1;");
    draw = update();
    EXPECT_TRUE(draw.updated);
    EXPECT_DOUBLE_EQ(draw.drawables.at(0).positions.at(1).x, 2.0);
    runMel("select -r marker");
    draw = update();
    EXPECT_TRUE(draw.updated);
    EXPECT_EQ(draw.status, MHWRender::kLead);
    EXPECT_FALSE(update().updated);

    // Drawing the recorded drawables calls no plug-in code: the reads stay where they were.
    const long reads = hostkit::plugReads(hostkit::findNode(shape));
    viewport.drawUpdatedOverrides();
    EXPECT_EQ(hostkit::plugReads(hostkit::findNode(shape)), reads);
}
