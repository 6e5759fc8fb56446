// The viewport drawing a dlopen'ed plug-in's locator: exact feedback coordinates for a known
// camera, pixels, display status from the selection, GL state left as found, save and reload.
#include "fixture_scene.h"
#include "gl_recorder.h"

#include <hostkit/host.h>
#include <hostkit/viewport.h>
#include <maya/MFileIO.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

using hostkit::FeedbackRecord;
using hostkit::Viewport;
using viewtest::kPort;

namespace {

std::vector<FeedbackRecord> lines(const std::vector<FeedbackRecord>& records) {
    std::vector<FeedbackRecord> result;
    for (const FeedbackRecord& r : records)
        if (r.kind == FeedbackRecord::kLine)
            result.push_back(r);
    return result;
}

void expectLine(const FeedbackRecord& line, float x0, float y0, float x1, float y1) {
    ASSERT_EQ(line.vertices.size(), 2u);
    EXPECT_NEAR(line.vertices[0].x, x0, 1e-3);
    EXPECT_NEAR(line.vertices[0].y, y0, 1e-3);
    EXPECT_NEAR(line.vertices[1].x, x1, 1e-3);
    EXPECT_NEAR(line.vertices[1].y, y1, 1e-3);
}

bool isRed(const std::uint8_t* p) {
    return p[0] > 200 && p[1] < 60 && p[2] < 60;
}

} // namespace

TEST(Viewport, CapturesTheLocatorAtExactWindowCoordinates) {
    viewtest::openFixtureScene();
    Viewport viewport("shotCam", kPort, kPort);
    const auto drawn = lines(viewport.capture());
    ASSERT_EQ(drawn.size(), 1u);
    expectLine(drawn[0], 100, 100, 150, 100);
    EXPECT_FLOAT_EQ(drawn[0].vertices[0].r, 1.0f); // dormant: red
    EXPECT_FLOAT_EQ(drawn[0].vertices[0].g, 0.0f);

    ASSERT_EQ(viewport.locatorDraws().size(), 1u);
    const hostkit::LocatorDraw& draw = viewport.locatorDraws()[0];
    EXPECT_EQ(draw.path, "|marker|markerShape");
    EXPECT_EQ(draw.status, M3dView::kDormant);
    EXPECT_EQ(draw.beginGLCalls, 1);
    EXPECT_EQ(draw.endGLCalls, 1);
    EXPECT_EQ(draw.before, draw.after) << draw.before.describe() << "\n" << draw.after.describe();
}

TEST(Viewport, ImageShowsTheLineInItsColourOverTheHostContent) {
    viewtest::openFixtureScene();
    Viewport viewport("shotCamShape", kPort, kPort); // the shape names the camera too
    viewport.draw();
    const quillomar::Image image = viewport.image();
    ASSERT_EQ(image.width, kPort);
    // Window row 100 from the bottom is image row 99 from the top; the line is 3 pixels wide.
    int red = 0;
    for (int y = 97; y <= 102; ++y)
        red += isRed(image.pixel(125, y));
    EXPECT_GE(red, 2);
    EXPECT_FALSE(isRed(image.pixel(75, 99)));  // left of the line's start
    EXPECT_FALSE(isRed(image.pixel(125, 60))); // above it
    EXPECT_EQ(image.pixel(5, 5)[3], 255);
}

TEST(Viewport, SelectionGivesActiveAndLeadStatus) {
    viewtest::openFixtureScene(R"(createNode transform -n "other";
	setAttr ".t" -type "double3" -5 0 -10 ;
createNode fixtureLine -n "otherShape" -p "other";
)");
    Viewport viewport("shotCam", kPort, kPort);
    MGlobal::selectByName("marker");
    MGlobal::selectByName("other"); // the last selected is the lead
    const auto drawn = lines(viewport.capture());
    ASSERT_EQ(viewport.locatorDraws().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const bool isMarker = viewport.locatorDraws()[i].path == "|marker|markerShape";
        EXPECT_EQ(viewport.locatorDraws()[i].status, isMarker ? M3dView::kActive : M3dView::kLead);
        // Active draws white, lead green.
        EXPECT_FLOAT_EQ(drawn[i].vertices[0].r, isMarker ? 1.0f : 0.0f);
        EXPECT_FLOAT_EQ(drawn[i].vertices[0].g, 1.0f);
    }
    MDagPath marker;
    MSelectionList list;
    list.add("markerShape");
    list.getDagPath(0, marker);
    EXPECT_EQ(M3dView::displayStatus(marker), M3dView::kActive);
}

TEST(Viewport, HiddenLocatorsAreNotDrawn) {
    viewtest::openFixtureScene("setAttr \"marker.visibility\" 0;\n");
    Viewport viewport("shotCam", kPort, kPort);
    EXPECT_TRUE(lines(viewport.capture()).empty());
    EXPECT_TRUE(viewport.locatorDraws().empty());
}

TEST(Viewport, LocatorSurvivesSaveAndReload) {
    viewtest::openFixtureScene();
    ASSERT_TRUE(hostkit::setAttr("markerShape.length", 2.0));
    const std::string saved = viewtest::tempPath("fixture_saved.ma");
    ASSERT_TRUE(MFileIO::saveAs(saved.c_str(), nullptr, true));
    hostkit::resetScene();
    ASSERT_TRUE(MFileIO::open(saved.c_str(), nullptr, true));
    Viewport viewport("shotCam", kPort, kPort);
    const auto drawn = lines(viewport.capture());
    ASSERT_EQ(drawn.size(), 1u);
    expectLine(drawn[0], 100, 100, 120, 100);
}

TEST(Viewport, RecorderSeesThePluginsCallsBatchByBatch) {
    viewtest::openFixtureScene();
    Viewport viewport("shotCam", kPort, kPort);
    viewport.draw();
    glrec::Recorder recorder;
    viewport.drawLocators(); // the plug-in was dlopen'ed: its calls must still reach the recorder
    recorder.stop();
    const auto batches = recorder.batches();
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].mode, unsigned(GL_LINES));
    ASSERT_EQ(batches[0].vertices.size(), 2u);
    EXPECT_EQ(batches[0].vertices[1][0], 5.0);
    EXPECT_EQ(recorder.count("glPushAttrib"), 1);
    EXPECT_EQ(recorder.count("glPopAttrib"), 1);
}

TEST(Viewport, UnknownCameraOrBadSizeIsRefused) {
    viewtest::openFixtureScene();
    EXPECT_THROW(Viewport("noSuchCamera", kPort, kPort), std::invalid_argument);
    EXPECT_THROW(Viewport("marker", kPort, kPort), std::invalid_argument); // not a camera
    EXPECT_THROW(Viewport("shotCam", 0, kPort), std::invalid_argument);
}
