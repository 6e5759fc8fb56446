// The reticle's Viewport 2.0 override against its legacy draw, and what its update may do.
#include "picture.h"
#include "vp2_fixture.h"

#include <hostkit/scene.h>

namespace {

class ReticleVp2 : public Vp2Test {
protected:
    void SetUp() override {
        Vp2Test::SetUp();
        createCamera({0, 2, 10}, {-10, 0, 0});
        reticle = create("reticle", "overlay");
    }

    void aspect(int index, double ratio, int mode) {
        const std::string element = reticle + ".aspectRatios[" + std::to_string(index) + "]";
        set(element + ".aspectRatio", ratio);
        set(element + ".displayMode", mode);
    }

    void text(int index, int type, int posRel, int level, int size, int align) {
        const std::string element = reticle + ".text[" + std::to_string(index) + "]";
        set(element + ".textType", type);
        set(element + ".textPosRel", posRel);
        set(element + ".textLevel", level);
        set(element + ".textSize", size);
        set(element + ".textAlign", align);
    }

    std::string reticle;
};

} // namespace

TEST_F(ReticleVp2, BothViewportsDrawTheSamePicture) {
    // Everything inside the ports below, where feedback clips nothing.
    set("viewerShape.filmFit", 1);
    aspect(0, 2.0, 2);
    aspect(1, 2.39, 2);
    aspect(2, 1.85, 1);
    set(reticle + ".aspectRatios[0].aspectMaskColor", {0.1, 0.2, 0.3});
    set(reticle + ".aspectRatios[0].aspectMaskTrans", 0.4);
    set(reticle + ".aspectRatios[0].aspectDisplaySafeAction", 1);
    set(reticle + ".aspectRatios[2].aspectDisplaySafeTitle", 1);
    set(reticle + ".aspectRatios[2].aspectLineColor", {0.9, 0.3, 0.2});
    set(reticle + ".aspectRatios[2].aspectLineTrans", 0.25);
    for (const char* guide : {".displayLineH", ".displayLineV", ".displayThirdsH",
                              ".displayThirdsV", ".displayCrosshair"})
        set(reticle + guide, 1);
    // Every font size and alignment, on the window, the film gate and an aspect frame.
    text(0, 0, 0, 0, 0, 0);
    setString(reticle + ".text[0].textStr", "left small");
    set(reticle + ".text[0].textPos", {10, 10});
    text(1, 1, 7, 1, 1, 1); // the lens, centred on the gate's top
    text(2, 2, 8, 0, 2, 2); // the camera, right, on the window's top right
    text(3, 4, 1, 2, 1, 1); // frame and range under the 2.39 frame
    set(reticle + ".text[3].textARLevel", 2);
    set(reticle + ".text[3].textColor", {0.2, 1, 0.4});
    set(reticle + ".text[3].textTrans", 0.1);
    text(4, 0, 4, 1, 2, 0);
    setString(reticle + ".text[4].textStr", "centre");
    hostkit::setPlaybackRange(1, 120);
    hostkit::setTime(12);

    // A port of the gate's aspect and a 4:3 one, where the gate leaves bands above and below.
    for (const auto& size : {std::pair<int, int>{480, 270}, std::pair<int, int>{400, 300}}) {
        SCOPED_TRACE(std::to_string(size.first) + " x " + std::to_string(size.second));
        hostkit::Viewport viewport("viewer", size.first, size.second);
        const vp2test::Picture legacy = vp2test::legacyPicture(viewport);
        EXPECT_EQ(legacy.texts.size(), 5u);
        EXPECT_GE(legacy.fills.size(), 6u * 4);
        vp2test::expectSamePicture(legacy, vp2test::viewport2Picture(viewport));
        // Masks cover the same pixels (a glyph may land a pixel apart where a legacy raster
        // position comes back from the far plane).
        EXPECT_LT(vp2test::differingPixels(viewport, 0), 50);

        const hostkit::OverrideDraw& draw = overrideOf(viewport, "overlayShape");
        EXPECT_EQ(draw.classification, "drawdb/geometry/reticle");
        EXPECT_TRUE(draw.refused.empty()) << draw.refused.front();
        // Safe frames stippled as the legacy draw stipples them, nothing else; all in pixels at
        // the nearest depth, none selectable.
        int stippled = 0;
        for (const hostkit::Drawable& drawable : draw.drawables) {
            EXPECT_TRUE(drawable.screenSpace);
            EXPECT_EQ(drawable.positions.at(0).z, 0.0); // in front of everything
            EXPECT_FALSE(drawable.selectable);
            if (drawable.stipplePattern == 0xFFFF)
                continue;
            ++stippled;
            EXPECT_EQ(drawable.kind, hostkit::Drawable::kClosedLine);
            EXPECT_EQ(drawable.stippleFactor, 2u);
            EXPECT_EQ(drawable.stipplePattern, 0x00FF);
        }
        EXPECT_EQ(stippled, 2);
    }
}

TEST_F(ReticleVp2, TheUpdateReadsPlugsOnlyWhenTheCopiesAreOutOfDateOrTheTimeChanged) {
    aspect(0, 1.85, 2);
    text(0, 4, 0, 0, 0, 0);      // frame and range
    for (int i = 1; i < 12; ++i) // more texts than are kept
        text(i, 1, 4, 1, 0, 1);
    hostkit::Viewport viewport("viewer", 320, 180);
    viewport.setMode(hostkit::ViewportMode::kViewport2);
    auto update = [&viewport] {
        const hostkit::OverrideDraw draw = updateOverrides(viewport, "overlayShape");
        EXPECT_TRUE(draw.updated); // the overlay follows the camera: updated every time
        return draw;
    };
    const long first = update().prepareReads;
    EXPECT_GT(first, 100);
    EXPECT_EQ(update().prepareReads, 0);
    EXPECT_EQ(update().prepareReads, 0);

    hostkit::setTime(30); // only the time is read again
    EXPECT_EQ(update().prepareReads, 1);
    EXPECT_EQ(update().prepareReads, 0);
    set(reticle + ".aspectRatios[0].aspectLineTrans", 0.5);
    EXPECT_EQ(update().prepareReads, first - 1); // everything but the time
    EXPECT_EQ(update().prepareReads, 0);

    // The port and the camera change the picture, not the reads.
    const MPoint before = update().drawables.at(0).positions.at(2);
    set("viewerShape.overscan", 1.25);
    const MPoint after = update().drawables.at(0).positions.at(2);
    EXPECT_LT(after.x, before.x);
    EXPECT_EQ(update().prepareReads, 0);

    // Off: nothing drawn, and nothing read but the switch while it stays off.
    set(reticle + ".drawingEnabled", 0);
    hostkit::OverrideDraw draw = update();
    EXPECT_TRUE(draw.drawables.empty());
    EXPECT_EQ(update().prepareReads, 1);
    set(reticle + ".drawingEnabled", 1);
    EXPECT_FALSE(update().drawables.empty());

    // A camera that does not want it gets nothing.
    runMel("addAttr -ln \"useReticle\" -at \"long\" -dv 0 viewerShape;");
    EXPECT_TRUE(update().drawables.empty());
    set("viewerShape.orthographic", 1);
    set("viewerShape.useReticle", 1);
    EXPECT_TRUE(update().drawables.empty());
}
