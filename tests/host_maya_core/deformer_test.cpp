// Deformer plumbing: inputs copied to outputs, deform() per geometry, painted weights.
#include "test_nodes.h"

#include "core/internal.h"

#include <hostkit/host.h>
#include <maya/MDataBlock.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MItGeometry.h>
#include <maya/MPlug.h>
#include <maya/MPxDeformerNode.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

// Lifts every point by envelope * weight; also checks weightValue from several threads.
struct Lift : MPxDeformerNode {
    static std::vector<float> threadWeights;
    MStatus deform(MDataBlock& block, MItGeometry& iter, const MMatrix&,
                   unsigned int multiIndex) override {
        const float envelopeValue = block.inputValue(envelope).asFloat();
        MPointArray points;
        iter.allPositions(points);
        std::vector<float> weightsSeen(points.length());
        std::vector<std::thread> workers;
        for (unsigned int t = 0; t < 4; ++t)
            workers.emplace_back([&, t] {
                for (unsigned int k = t; k < points.length(); k += 4)
                    weightsSeen[k] = weightValue(block, multiIndex, k);
            });
        for (std::thread& worker : workers)
            worker.join();
        for (unsigned int k = 0; k < points.length(); ++k)
            points[k].y += envelopeValue * weightsSeen[k];
        threadWeights = weightsSeen;
        return iter.setAllPositions(points);
    }
};
std::vector<float> Lift::threadWeights;

MStatus initLift() {
    return MS::kSuccess;
}

MObject squareMesh() {
    MFnMeshData data;
    MObject mesh = data.create();
    MFloatPointArray points;
    for (float x : {0.0f, 1.0f})
        for (float z : {0.0f, 1.0f})
            points.append(MFloatPoint(x, 0.0f, z));
    const int counts[] = {4};
    const int connects[] = {0, 1, 3, 2};
    MFnMesh fn;
    fn.create(4, 1, points, MIntArray(counts, 1), MIntArray(connects, 4), mesh);
    return mesh;
}

MPointArray pointsOf(const MObject& mesh) {
    MPointArray points;
    MFnMesh(mesh).getPoints(points);
    return points;
}

class Deformer : public ::testing::Test {
protected:
    void SetUp() override {
        coretest::prepareScene();
        static const bool registered = mcore::registerBuiltinNodeType(
            "lift", MTypeId(0x7F2F2), [] { return static_cast<void*>(new Lift()); }, initLift,
            MPxNode::kDeformerNode,
            {MFn::kPluginDeformerNode, MFn::kWeightGeometryFilt, MFn::kGeometryFilt,
             MFn::kDependencyNode});
        ASSERT_TRUE(registered);
        node = hostkit::createNode("lift", "d");
        input = squareMesh();
        ASSERT_TRUE(hostkit::setAttrData("d.input[0].inputGeometry", input));
    }
    MObject output() {
        MObject mesh;
        hostkit::getAttrData("d.outputGeometry[0]", mesh);
        return mesh;
    }
    MObject node, input;
};

} // namespace

TEST_F(Deformer, DeformsACopyOfTheInputWithDefaultWeights) {
    const MPointArray moved = pointsOf(output());
    ASSERT_EQ(moved.length(), 4u);
    for (unsigned int k = 0; k < 4; ++k)
        EXPECT_DOUBLE_EQ(moved[k].y, 1.0) << k;
    EXPECT_DOUBLE_EQ(pointsOf(input)[0].y, 0.0) << "the input geometry is untouched";
    EXPECT_EQ(Lift::threadWeights, (std::vector<float>{1.0f, 1.0f, 1.0f, 1.0f}));
}

TEST_F(Deformer, PaintedWeightsAndTheEnvelopeScaleTheEffect) {
    ASSERT_TRUE(hostkit::setAttr("d.weightList[0].weights[2]", 0.25));
    ASSERT_TRUE(hostkit::setAttr("d.envelope", 0.5));
    const MPointArray moved = pointsOf(output());
    EXPECT_DOUBLE_EQ(moved[2].y, 0.125);
    EXPECT_DOUBLE_EQ(moved[3].y, 0.5);
    EXPECT_EQ(Lift::threadWeights, (std::vector<float>{1.0f, 1.0f, 0.25f, 1.0f}));
    EXPECT_EQ(hostkit::findPlug("d.weightList[0].weights[2]").name(), "d.weightList[0].weights[2]");
    EXPECT_FALSE(hostkit::setAttr("d.envelope", -1.0) && MPlug(node, Lift::envelope).asFloat() < 0)
        << "the envelope has a minimum of 0";
}

TEST_F(Deformer, TheUnindexedInputPlugIsTheFirstGeometry) {
    MObject viaPlug = MPlug(node, MPxGeometryFilter::inputGeom).asMObject();
    ASSERT_FALSE(viaPlug.isNull());
    EXPECT_EQ(pointsOf(viaPlug).length(), 4u);
    EXPECT_EQ(MPlug(node, MPxGeometryFilter::inputGeom).name(), "d.input.inputGeometry");
}
