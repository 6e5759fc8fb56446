// Deformer plumbing: inputs copied to outputs, deform() per geometry, painted weights.
#include "test_nodes.h"

#include "core/internal.h"
#include "scene/geometry_data.h"

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

// Lifts every point by envelope * weight; also checks weightValue from several threads and
// records what each call saw.
struct Lift : MPxDeformerNode {
    static std::vector<float> threadWeights;
    static std::vector<unsigned int> calls; // multiIndex of each deform
    static MMatrix matrix;                  // as the last call received it
    static std::vector<bool> otherClean;    // per call: is outputGeometry[1 - multiIndex] clean
    static bool cleanTheOther;              // deform(0) cleans outputGeometry[1] itself
    MStatus deform(MDataBlock& block, MItGeometry& iter, const MMatrix& mat,
                   unsigned int multiIndex) override {
        calls.push_back(multiIndex);
        matrix = mat;
        const MPlug other = MPlug(thisMObject(), outputGeom).elementByLogicalIndex(1 - multiIndex);
        if (cleanTheOther && multiIndex == 0)
            block.setClean(other);
        otherClean.push_back(block.isClean(other));
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
std::vector<unsigned int> Lift::calls;
MMatrix Lift::matrix;
std::vector<bool> Lift::otherClean;
bool Lift::cleanTheOther = false;

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
        Lift::calls.clear();
        Lift::otherClean.clear();
        Lift::cleanTheOther = false;
        node = hostkit::createNode("lift", "d");
        input = squareMesh();
        ASSERT_TRUE(hostkit::setAttrData("d.input[0].inputGeometry", input));
    }
    MObject output(int index = 0) {
        MObject mesh;
        hostkit::getAttrData("d.outputGeometry[" + std::to_string(index) + "]", mesh);
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

TEST_F(Deformer, EachGeometryIsComputedWhenItsOwnOutputIsRead) {
    ASSERT_TRUE(hostkit::setAttrData("d.input[1].inputGeometry", squareMesh()));
    auto heightOf = [this](int index) {
        const MPointArray points = pointsOf(output(index));
        return points.length() == 4 ? points[3].y : -1.0;
    };
    EXPECT_DOUBLE_EQ(heightOf(0), 1.0);
    EXPECT_EQ(Lift::calls, (std::vector<unsigned int>{0}));
    EXPECT_EQ(Lift::otherClean, (std::vector<bool>{false})) << "computing [0] leaves [1] dirty";
    EXPECT_DOUBLE_EQ(heightOf(1), 1.0);
    EXPECT_EQ(Lift::calls, (std::vector<unsigned int>{0, 1}));

    // An input change dirties both; each is computed once, in the order read.
    ASSERT_TRUE(hostkit::setAttr("d.envelope", 0.5));
    EXPECT_DOUBLE_EQ(heightOf(1), 0.5);
    EXPECT_DOUBLE_EQ(heightOf(0), 0.5);
    EXPECT_DOUBLE_EQ(heightOf(1), 0.5);
    EXPECT_EQ(Lift::calls, (std::vector<unsigned int>{0, 1, 1, 0}));
}

TEST_F(Deformer, SetCleanOnAnElementCleansThatElementOnly) {
    ASSERT_TRUE(hostkit::setAttrData("d.input[1].inputGeometry", squareMesh()));
    Lift::cleanTheOther = true;
    output(0);
    EXPECT_EQ(Lift::otherClean, (std::vector<bool>{true}));
    EXPECT_TRUE(output(1).isNull()) << "cleaned without being computed: never written";
    EXPECT_EQ(Lift::calls, (std::vector<unsigned int>{0}));
}

TEST_F(Deformer, DeformIsHandedTheGeometrysWorldMatrix) {
    MObject placed = squareMesh();
    MMatrix world;
    world[3][0] = 2.0;
    world[3][2] = 4.0;
    mcore::dataObject<scene::MeshData>(placed)->matrix = world;
    ASSERT_TRUE(hostkit::setAttrData("d.input[0].inputGeometry", placed));
    output();
    EXPECT_TRUE(Lift::matrix == world);
    ASSERT_TRUE(hostkit::setAttrData("d.input[0].inputGeometry", squareMesh()));
    output();
    EXPECT_TRUE(Lift::matrix == MMatrix::identity);
}
