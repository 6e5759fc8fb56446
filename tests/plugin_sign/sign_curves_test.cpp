// "CV Curve" signs: the control polygons of connected curve shapes.
#include "sign_fixture.h"

#include <maya/MFnPointArrayData.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>

#include <GL/gl.h>

namespace {
using Vertices = std::vector<std::array<double, 3>>;

std::vector<glrec::Batch> recordBatches(hostkit::Viewport& viewport) {
    glrec::Recorder recorder;
    viewport.drawLocators();
    recorder.stop();
    const auto draws = callsPerDraw(recorder.calls());
    return draws.empty() ? std::vector<glrec::Batch>{} : glrec::groupBatches(draws.at(0));
}
} // namespace

class SignCurves : public SignSceneTest {
protected:
    void SetUp() override {
        SignSceneTest::SetUp();
        sign = createSign("marker");
        set(sign + ".type", 900);
        set(sign + ".enableTextLine", 0);
        // A cubic of four CVs and a degenerate curve of one.
        runMel("createNode transform -n \"arc\";"
               "createNode nurbsCurve -n \"arcShape\" -p \"arc\";"
               "setAttr \"arcShape.cc\" -type \"nurbsCurve\" 3 1 0 no 3 6 0 0 0 1 1 1 4"
               " 0 0 0 1 0 0 1 0 1 2 0 1;"
               "createNode transform -n \"dot\";"
               "createNode nurbsCurve -n \"dotShape\" -p \"dot\";"
               "setAttr \"dotShape.cc\" -type \"nurbsCurve\" 1 0 0 no 3 1 0 1 5 5 5;");
        runMel("connectAttr \"arcShape.local\" \"" + sign +
               ".inputCurve[4]\";"
               "connectAttr \"dotShape.local\" \"" +
               sign + ".inputCurve[9]\";");
    }

    std::string sign;
};

TEST_F(SignCurves, ControlPolygonsOfTheConnectedCurvesIgnoreTheRadius) {
    hostkit::Viewport viewport(kCamera, 200, 150);
    const Vertices polygon = {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 0, 1}, {1, 0, 1}, {2, 0, 1}};
    std::vector<glrec::Batch> batches = recordBatches(viewport);
    ASSERT_EQ(batches.size(), 1u); // three segments; one CV makes no segment
    EXPECT_EQ(batches[0].mode, unsigned(GL_LINES));
    EXPECT_EQ(batches[0].vertices, polygon);

    set(sign + ".radius", 4);
    batches = recordBatches(viewport);
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].vertices, polygon);

    // The output follows a moved CV on the next draw.
    runMel("setAttr \"arcShape.cc\" -type \"nurbsCurve\" 3 1 0 no 3 6 0 0 0 1 1 1 4"
           " 0 0 0 1 0 0 1 0 1 3 0 1;");
    batches = recordBatches(viewport);
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].vertices.back(), (std::array<double, 3>{3, 0, 1}));
}

TEST_F(SignCurves, TwoControlVerticesMakeOneSegment) {
    runMel("createNode transform -n \"line\";"
           "createNode nurbsCurve -n \"lineShape\" -p \"line\";"
           "setAttr \"lineShape.cc\" -type \"nurbsCurve\" 1 1 0 no 3 2 0 1 2 0 0 0 4 0 0;");
    runMel("connectAttr -f \"lineShape.local\" \"" + sign + ".inputCurve[4]\";");
    hostkit::Viewport viewport(kCamera, 200, 150);
    const std::vector<glrec::Batch> batches = recordBatches(viewport);
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].vertices, (Vertices{{0, 0, 0}, {4, 0, 0}}));
}

TEST_F(SignCurves, OutputHasOneElementPerInputNumberedFromZero) {
    MPlug positions = hostkit::findPlug(sign + ".cvPositions");
    ASSERT_EQ(positions.evaluateNumElements(), 2u);
    for (unsigned i = 0; i < 2; ++i)
        EXPECT_EQ(positions.elementByPhysicalIndex(i).logicalIndex(), i);
    MObject data;
    positions.elementByLogicalIndex(1).getValue(data);
    EXPECT_EQ(MFnPointArrayData(data).length(), 1u);

    // A broken connection leaves its element (holding the last curve), as in Maya; removing the
    // element shrinks the output to match.
    ASSERT_TRUE(hostkit::disconnectAttr("arcShape.local", sign + ".inputCurve[4]"));
    EXPECT_EQ(hostkit::findPlug(sign + ".cvPositions").evaluateNumElements(), 2u);
    ASSERT_TRUE(hostkit::removeMultiInstance(sign + ".inputCurve[4]"));
    positions = hostkit::findPlug(sign + ".cvPositions");
    ASSERT_EQ(positions.evaluateNumElements(), 1u);
    EXPECT_EQ(positions.elementByPhysicalIndex(0).logicalIndex(), 0u);
    positions.elementByLogicalIndex(0).getValue(data);
    const MPointArray dot = MFnPointArrayData(data).array();
    ASSERT_EQ(dot.length(), 1u);
    EXPECT_EQ(dot[0], MPoint(5, 5, 5));
}
