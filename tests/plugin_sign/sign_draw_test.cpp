// What a sign draws in the stand-in viewport: recorded GL calls and OpenGL feedback.
#include "sign_fixture.h"

#include <maya/MGlobal.h>

#include <GL/gl.h>
#include <GL/glut.h>

namespace {
const int kWidth = 320, kHeight = 240;
const double kLead[] = {67.0 / 255.0, 1.0, 163.0 / 255.0};

// Records one draw of every locator in the viewport.
std::vector<std::vector<glrec::Call>> recordDraws(hostkit::Viewport& viewport) {
    glrec::Recorder recorder;
    viewport.drawLocators();
    recorder.stop();
    return callsPerDraw(recorder.calls());
}

void expectColor(const std::vector<double>& rgba, double r, double g, double b, double a) {
    ASSERT_EQ(rgba.size(), 4u);
    EXPECT_NEAR(rgba[0], r, 1e-6);
    EXPECT_NEAR(rgba[1], g, 1e-6);
    EXPECT_NEAR(rgba[2], b, 1e-6);
    EXPECT_NEAR(rgba[3], a, 1e-6);
}

void expectNear(const MPoint& actual, const MPoint& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
} // namespace

using SignDraw = SignSceneTest;

TEST_F(SignDraw, DefaultsDrawAUnitCircleInTheDormantColourAndRestoreTheState) {
    const std::string sign = createSign("marker");
    hostkit::Viewport viewport(kCamera, kWidth, kHeight);
    const auto draws = recordDraws(viewport);
    ASSERT_EQ(draws.size(), 1u);
    const std::vector<glrec::Batch> batches = glrec::groupBatches(draws[0]);
    ASSERT_EQ(batches.size(), 2u); // the circle, then the (empty) line to the text position
    EXPECT_EQ(batches[0].vertices.size(), 128u);
    EXPECT_EQ(batches[1].vertices.size(), 2u);
    const auto colors = argsOf(draws[0], "glColor4f");
    ASSERT_EQ(colors.size(), 1u);
    expectColor(colors[0], 0, 70.0 / 255.0, 25.0 / 255.0, 1);
    EXPECT_EQ(argsOf(draws[0], "glLineWidth").front(), std::vector<double>{1.0});
    EXPECT_EQ(argsOf(draws[0], "glPointSize").front(), std::vector<double>{1.0});
    EXPECT_EQ(argsOf(draws[0], "glutBitmapCharacter").size(), 0u);

    const hostkit::LocatorDraw& record = viewport.locatorDraws().at(0);
    EXPECT_EQ(record.beginGLCalls, 1);
    EXPECT_EQ(record.endGLCalls, 1);
    EXPECT_EQ(record.before, record.after) << record.before.describe() << "\n"
                                           << record.after.describe();

    // Feedback: the circle lies in the XZ plane around the origin, one unit wide.
    const std::vector<hostkit::FeedbackRecord> feedback = viewport.capture();
    const MPoint centre = toWindow(viewport, MPoint(0, 0, 0));
    const double unit = toWindow(viewport, MPoint(1, 0, 0)).x - centre.x;
    int lines = 0;
    for (const hostkit::FeedbackRecord& line : feedback) {
        if (line.kind != hostkit::FeedbackRecord::kLine)
            continue;
        ++lines;
        for (const hostkit::FeedbackVertex& v : line.vertices) {
            EXPECT_NEAR(v.g, 70.0 / 255.0, 1e-2);
            EXPECT_NEAR(v.a, 1.0, 1e-6);
        }
    }
    EXPECT_GE(lines, 64);
    const hostkit::FeedbackVertex& start = feedback.at(0).vertices.at(0);
    EXPECT_NEAR(start.x, centre.x + unit, 0.01);
    EXPECT_NEAR(start.y, centre.y, 0.01);
}

TEST_F(SignDraw, SelectionDecidesTheColours) {
    const std::string active = createSign("first");
    const std::string lead = createSign("second");
    const std::string dormant = createSign("third");
    for (const std::string& sign : {active, lead, dormant}) {
        ASSERT_TRUE(hostkit::setAttrString(sign + ".text", "label"));
        set(sign + ".color", {0.1, 0.2, 0.3});
        set(sign + ".alpha", 0.75);
        set(sign + ".textColor", {0.4, 0.5, 0.6});
        set(sign + ".textAlpha", 0.25);
    }
    runMel("select -r first second");
    hostkit::Viewport viewport(kCamera, kWidth, kHeight);
    const auto draws = recordDraws(viewport);
    ASSERT_EQ(draws.size(), 3u);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const hostkit::LocatorDraw& record = viewport.locatorDraws()[i];
        SCOPED_TRACE(record.path);
        const auto colors = argsOf(draws[i], "glColor4f");
        ASSERT_EQ(colors.size(), 2u); // the shape's, then the label's
        if (record.path.find("first") != std::string::npos) {
            EXPECT_EQ(record.status, M3dView::kActive);
            expectColor(colors[0], 1, 1, 1, 0.75);
            expectColor(colors[1], 1, 1, 1, 0.25);
        } else if (record.path.find("second") != std::string::npos) {
            EXPECT_EQ(record.status, M3dView::kLead);
            expectColor(colors[0], kLead[0], kLead[1], kLead[2], 0.75);
            expectColor(colors[1], kLead[0], kLead[1], kLead[2], 0.25);
        } else {
            EXPECT_EQ(record.status, M3dView::kDormant);
            expectColor(colors[0], 0.1, 0.2, 0.3, 0.75);
            expectColor(colors[1], 0.4, 0.5, 0.6, 0.25);
        }
    }
}

TEST_F(SignDraw, LabelIsDrawnAtTheTextPositionOverEverything) {
    const std::string sign = createSign("marker");
    set("marker.translate", {1, 0, 0});
    // A byte above 127 goes to GLUT as a negative character, which draws no glyph.
    ASSERT_TRUE(hostkit::setAttrString(sign + ".text", "Hi!\xE9"));
    set(sign + ".textPosition", {0, 0, 2});
    set(sign + ".textColor", {1, 0.5, 0});
    hostkit::Viewport viewport(kCamera, kWidth, kHeight);

    const auto draws = recordDraws(viewport);
    ASSERT_EQ(draws.size(), 1u);
    std::string text;
    bool depthTestOff = false, rasterAtAnchor = false;
    for (const glrec::Call& call : draws[0]) {
        if (call.name == "glDisable" && call.args[0] == GL_DEPTH_TEST)
            depthTestOff = true;
        if (call.name == "glEnable" && call.args[0] == GL_DEPTH_TEST)
            depthTestOff = false;
        if (call.name == "glRasterPos3f")
            rasterAtAnchor = call.args == std::vector<double>{0, 0, 0};
        if (call.name == "glutBitmapCharacter") {
            EXPECT_TRUE(depthTestOff);
            EXPECT_TRUE(rasterAtAnchor);
            EXPECT_EQ(call.font, GLUT_BITMAP_HELVETICA_10);
            text += static_cast<char>(static_cast<signed char>(call.args[0]));
            EXPECT_GE(call.args[0], -128.0);
            EXPECT_LE(call.args[0], 127.0);
        }
    }
    EXPECT_EQ(text, "Hi!\xE9");
    // The line to the label comes last, in the label's colour.
    const std::vector<glrec::Batch> batches = glrec::groupBatches(draws[0]);
    ASSERT_EQ(batches.size(), 2u);
    EXPECT_EQ(batches[1].vertices, (std::vector<std::array<double, 3>>{{0, 0, 0}, {0, 0, 2}}));

    const MPoint anchor = toWindow(viewport, MPoint(1, 0, 2));
    int bitmaps = 0;
    const std::vector<hostkit::FeedbackRecord> feedback = viewport.capture();
    ASSERT_EQ(feedback.back().kind, hostkit::FeedbackRecord::kLine);
    EXPECT_NEAR(feedback.back().vertices[0].r, 1.0, 1e-2); // the label line in the label colour
    EXPECT_NEAR(feedback.back().vertices[0].g, 0.5, 1e-2);
    for (const hostkit::FeedbackRecord& record : feedback) {
        if (record.kind != hostkit::FeedbackRecord::kBitmap)
            continue;
        if (bitmaps++ == 0) { // a valid raster position, where the anchor projects
            expectNear(MPoint(record.vertices[0].x, record.vertices[0].y, 0),
                       MPoint(anchor.x, anchor.y, 0), 0.01);
            EXPECT_NEAR(record.vertices[0].r, 1.0, 1e-2);
            EXPECT_NEAR(record.vertices[0].g, 0.5, 1e-2);
        }
    }
    EXPECT_EQ(bitmaps, 3);
}

TEST_F(SignDraw, NoneStillDrawsTheTailLineAndTheTextLine) {
    const std::string sign = createSign("marker");
    set(sign + ".type", 999);
    set(sign + ".enableTailLine", 1);
    set(sign + ".tailLineVector", {0, 3, 1});
    set(sign + ".textPosition", {2, 0, 0});
    hostkit::Viewport viewport(kCamera, kWidth, kHeight);
    auto draws = recordDraws(viewport);
    std::vector<glrec::Batch> batches = glrec::groupBatches(draws.at(0));
    ASSERT_EQ(batches.size(), 2u);
    EXPECT_EQ(batches[0].vertices, (std::vector<std::array<double, 3>>{{0, 0, 0}, {0, 3, 1}}));
    EXPECT_EQ(batches[1].vertices, (std::vector<std::array<double, 3>>{{0, 0, 0}, {2, 0, 0}}));

    set(sign + ".enableTextLine", 0);
    set(sign + ".type", 5); // not a listed value: no shape either
    draws = recordDraws(viewport);
    batches = glrec::groupBatches(draws.at(0));
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].vertices.size(), 2u);
}

TEST_F(SignDraw, ShapeIsPlacedRotatedAndScaledInTheLocalFrame) {
    const std::string sign = createSign("marker");
    set(sign + ".type", 120); // axis sign: its +X end is easy to follow
    set(sign + ".localPosition", {1, 2, -1});
    set(sign + ".localRotate", {90, 90, 0});
    set(sign + ".localScale", {2, 1, 1});
    set(sign + ".radius", 1.5);
    set(sign + ".enableTextLine", 0);
    hostkit::Viewport viewport(kCamera, kWidth, kHeight);
    const std::vector<hostkit::FeedbackRecord> feedback = viewport.capture();
    ASSERT_EQ(feedback.size(), 3u);
    // (1, 0, 0) scaled by radius and localScale is (3, 0, 0); turned 90 degrees about Y first it
    // is (0, 0, -3), then about X (0, 3, 0); moved by localPosition it lands on (1, 5, -1).
    const hostkit::FeedbackVertex& end = feedback[0].vertices[1];
    expectNear(MPoint(end.x, end.y, end.z), toWindow(viewport, MPoint(1, 5, -1)), 0.01);
    const hostkit::LocatorDraw& record = viewport.locatorDraws().at(0);
    EXPECT_EQ(record.before, record.after);
}

TEST_F(SignDraw, WidthIsPassedUnchangedAndRestoredAfterwards) {
    const std::string sign = createSign("marker");
    for (int width : {0, 7}) {
        set(sign + ".width", width);
        hostkit::Viewport viewport(kCamera, kWidth, kHeight);
        const auto draws = recordDraws(viewport);
        EXPECT_EQ(argsOf(draws.at(0), "glLineWidth").front(), std::vector<double>{double(width)});
        EXPECT_EQ(argsOf(draws.at(0), "glPointSize").front(), std::vector<double>{double(width)});
        const hostkit::LocatorDraw& record = viewport.locatorDraws().at(0);
        EXPECT_EQ(record.before, record.after) << width;
    }
}

namespace {
// The host's state before the locators draw: the opposite of everything a sign sets, so that a
// setting the sign leaves out shows.
void setOppositeState(hostkit::Viewport& viewport) {
    viewport.glState(); // makes the viewport's context current
    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_GREATER);
    glDepthMask(GL_TRUE);
    glClearDepth(0.25);
    glLineWidth(5.0f);
    glPointSize(5.0f);
}

// The state at each glBegin and glutBitmapCharacter of one sign's draw, with the call's name.
std::vector<std::pair<std::string, glrec::DrawState>>
statesWhileDrawing(hostkit::Viewport& viewport) {
    setOppositeState(viewport);
    glrec::Recorder recorder(glrec::Recorder::kCallsWithDrawState);
    viewport.drawLocators();
    recorder.stop();
    std::vector<std::pair<std::string, glrec::DrawState>> states;
    for (const glrec::Call& call : recorder.calls())
        if (call.state)
            states.emplace_back(call.name, *call.state);
    return states;
}

// Blending with alpha, depth tested (less or equal) and, unless `writesDepth`, not written.
void expectShapeState(const glrec::DrawState& state, bool writesDepth, float width) {
    EXPECT_TRUE(state.blend);
    EXPECT_EQ(state.blendSrc, GL_SRC_ALPHA);
    EXPECT_EQ(state.blendDst, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_TRUE(state.depthTest);
    EXPECT_EQ(state.depthFunc, GL_LEQUAL);
    EXPECT_EQ(state.depthMask, writesDepth);
    EXPECT_EQ(state.depthClear, 1.0);
    EXPECT_EQ(state.lineWidth, width);
    EXPECT_EQ(state.pointSize, width);
}
} // namespace

TEST_F(SignDraw, StateWhileDrawingBlendsTestsDepthWithoutWritingItAndLabelsDrawOverAll) {
    const std::string sign = createSign("marker");
    set(sign + ".width", 3);
    set(sign + ".enableTailLine", 1);
    ASSERT_TRUE(hostkit::setAttrString(sign + ".text", "a")); // one character is a label too
    hostkit::Viewport viewport(kCamera, kWidth, kHeight);
    const auto states = statesWhileDrawing(viewport);
    ASSERT_EQ(states.size(), 4u);
    const char* const order[] = {"glBegin", "glBegin", "glutBitmapCharacter", "glBegin"};
    for (std::size_t i = 0; i < states.size(); ++i)
        EXPECT_EQ(states[i].first, order[i]) << i;
    {
        SCOPED_TRACE("shape and tail line");
        expectShapeState(states[0].second, false, 3.0f);
        expectShapeState(states[1].second, false, 3.0f);
    }
    {
        SCOPED_TRACE("label");
        EXPECT_TRUE(states[2].second.blend);
        EXPECT_FALSE(states[2].second.depthTest);
        EXPECT_FALSE(states[2].second.depthMask);
    }
    {
        // The label turns depth testing back on, and depth writing with it.
        SCOPED_TRACE("text line after the label");
        expectShapeState(states[3].second, true, 3.0f);
    }
    const hostkit::LocatorDraw& record = viewport.locatorDraws().at(0);
    EXPECT_EQ(record.before, record.after) << record.before.describe() << "\n"
                                           << record.after.describe();

    // Without a label the text line is drawn like the shape.
    ASSERT_TRUE(hostkit::setAttrString(sign + ".text", ""));
    const auto unlabelled = statesWhileDrawing(viewport);
    ASSERT_EQ(unlabelled.size(), 3u);
    expectShapeState(unlabelled[2].second, false, 3.0f);
}

namespace {
// The ends of an axis sign's +X, +Y and +Z segments land where these world points project.
void expectAxisEnds(hostkit::Viewport& viewport, const MPoint (&ends)[3]) {
    const std::vector<hostkit::FeedbackRecord> feedback = viewport.capture();
    ASSERT_EQ(feedback.size(), 3u);
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const hostkit::FeedbackVertex& end = feedback[axis].vertices[1];
        expectNear(MPoint(end.x, end.y, end.z), toWindow(viewport, ends[axis]), 0.01);
    }
}
} // namespace

TEST_F(SignDraw, EachRotationChannelTurnsAboutItsOwnAxisAndScaleAppliesPerAxis) {
    const std::string sign = createSign("marker");
    set(sign + ".type", 120); // axis sign: one segment along each axis
    set(sign + ".localRotate", {90, 0, 0});
    set(sign + ".localScale", {1, 1.5, 2});
    set(sign + ".radius", 1.2);
    set(sign + ".enableTextLine", 0);
    hostkit::Viewport viewport(kCamera, kWidth, kHeight);
    // Scaled, the axis ends are (1.2, 0, 0), (0, 1.8, 0) and (0, 0, 2.4); 90 degrees about X
    // turns Y into Z and Z into -Y.
    expectAxisEnds(viewport, {MPoint(1.2, 0, 0), MPoint(0, 0, 1.8), MPoint(0, -2.4, 0)});

    // About Z, X turns into Y and Y into -X.
    set(sign + ".localRotate", {0, 0, 90});
    set(sign + ".localScale", {1, 1, 1});
    set(sign + ".radius", 1.5);
    expectAxisEnds(viewport, {MPoint(0, 1.5, 0), MPoint(-1.5, 0, 0), MPoint(0, 0, 1.5)});
}
