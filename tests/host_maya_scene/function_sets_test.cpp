// Function sets and lists used by nodes and tools: selection lists, DAG editing, the geometry
// iterator, mesh creation and command results.
#include "scene_fixture.h"

#include <maya/MDagPath.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MItGeometry.h>
#include <maya/MPointArray.h>
#include <maya/MSelectionList.h>
#include <maya/MStringArray.h>

#include <cmath>

using FunctionSets = SceneTest;

TEST_F(FunctionSets, SelectionListsMatchNamesPathsWildcardsAndPlugs) {
    mel("createNode transform -n rigA; createNode marker -n markA -p rigA;"
        "createNode transform -n rigB; createNode marker -n markB -p rigB");
    MSelectionList list;
    ASSERT_TRUE(list.add("rig*"));
    EXPECT_EQ(list.length(), 2u);
    ASSERT_TRUE(list.add("rigA")); // already there: merged
    EXPECT_EQ(list.length(), 2u);
    ASSERT_TRUE(list.add("|rigB|markB"));
    ASSERT_TRUE(list.add("markA.v"));
    EXPECT_EQ(list.length(), 4u);
    EXPECT_FALSE(list.add("nothingLikeThis"));

    MDagPath path;
    ASSERT_TRUE(list.getDagPath(2, path));
    EXPECT_STREQ(path.fullPathName().asChar(), "|rigB|markB");
    MPlug plug;
    EXPECT_FALSE(list.getPlug(0, plug));
    ASSERT_TRUE(list.getPlug(3, plug));
    EXPECT_STREQ(plug.name().asChar(), "markA.visibility");
    EXPECT_TRUE(list.hasItem(node("markB")));
    MStringArray strings;
    list.getSelectionStrings(strings);
    EXPECT_STREQ(strings[0].asChar(), "rigA");
    EXPECT_FALSE(list.remove(9));
    ASSERT_TRUE(list.remove(0));
    EXPECT_FALSE(list.hasItem(node("rigA")));

    // Re-selecting a node through the driver makes it the lead.
    ASSERT_TRUE(hostkit::select({"markA", "markB"}));
    ASSERT_TRUE(hostkit::select({"markA"}, true));
    EXPECT_EQ(hostkit::displayStatus(pathTo(node("markA"))), M3dView::kLead);
    EXPECT_EQ(hostkit::displayStatus(pathTo(node("markB"))), M3dView::kActive);
    std::string error;
    EXPECT_FALSE(hostkit::select({"nobody"}, false, &error));
    EXPECT_NE(error.find("nobody"), std::string::npos);
}

TEST_F(FunctionSets, DagEditingKeepsChildOrderAndPathsStepThroughIt) {
    mel("createNode transform -n rig; createNode transform -n a -p rig;"
        "createNode transform -n b -p rig; createNode transform -n c");
    MFnDagNode top(node("rig"));
    MObject c = node("c");
    ASSERT_TRUE(top.addChild(c, 0));
    ASSERT_EQ(top.childCount(), 3u);
    EXPECT_TRUE(top.child(0) == c);
    EXPECT_TRUE(top.child(2) == node("b"));
    EXPECT_TRUE(top.hasChild(c));
    EXPECT_TRUE(MFnDagNode(c).isChildOf(node("rig")));
    EXPECT_EQ(top.addChild(c, MFnDagNode::kNextPos, true), MS::kNotImplemented); // instancing
    ASSERT_TRUE(top.removeChild(c));
    EXPECT_EQ(top.childCount(), 2u);
    EXPECT_FALSE(top.removeChild(c));

    MDagPath path = pathTo(node("rig"));
    EXPECT_EQ(path.childCount(), 2u);
    ASSERT_TRUE(path.push(path.child(1)));
    EXPECT_TRUE(path.node() == node("b"));
    EXPECT_FALSE(path.push(node("a"))); // not a child of b
    ASSERT_TRUE(path.pop());
    EXPECT_TRUE(path.node() == node("rig"));
    EXPECT_FALSE(path.pop(5));
    MDagPath copy;
    EXPECT_TRUE(path.getPath(copy, 0));
    EXPECT_TRUE(copy == path);
    EXPECT_FALSE(path.getPath(copy, 1)); // no instances
    EXPECT_FALSE(MDagPath::getAPathTo(node("time1"), copy));
    EXPECT_FALSE(MDagPath().isValid());
}

TEST_F(FunctionSets, GeometryIteratorReadsAndWritesMeshAndCurvePoints) {
    MFnMeshData meshData;
    MObject data = meshData.create();
    MFloatPointArray points;
    points.append(0, 0, 0);
    points.append(1, 0, 0);
    points.append(0, 1, 0);
    const int counts[] = {3}, connects[] = {0, 1, 2};
    MStatus status;
    MFnMesh().create(3, 1, points, MIntArray(counts, 1), MIntArray(connects, 3), data, &status);
    ASSERT_TRUE(status);

    MItGeometry it(data);
    EXPECT_EQ(it.count(), 3);
    for (; !it.isDone(); it.next()) {
        MPoint p = it.position();
        p.z = it.index();
        ASSERT_TRUE(it.setPosition(p));
    }
    MStatus pastEnd;
    it.normal(MSpace::kObject, &pastEnd); // past the end: a failure, not a crash
    EXPECT_FALSE(pastEnd);
    MPointArray all;
    ASSERT_TRUE(it.allPositions(all));
    EXPECT_EQ(all[2].z, 2.0);
    it.reset();
    EXPECT_NEAR(it.normal().x, -1.0 / std::sqrt(6.0), 1e-6); // moved points tilt the face

    MFnNurbsCurveData curveData;
    MObject curve = curveData.create();
    MPointArray cvs;
    cvs.append(MPoint(0, 0, 0));
    cvs.append(MPoint(1, 1, 1));
    MFnNurbsCurve().create(cvs, MDoubleArray(), 1, MFnNurbsCurve::kOpen, false, false, curve);
    MItGeometry curveIt(curve);
    EXPECT_EQ(curveIt.count(), 2);
    curveIt.next();
    EXPECT_EQ(curveIt.position().y, 1.0);
}

TEST_F(FunctionSets, MeshCreationRejectsBadTopologyWithoutLeavingNodes) {
    MFloatPointArray points;
    points.append(0, 0, 0);
    points.append(1, 0, 0);
    points.append(0, 1, 0);
    const int counts[] = {3}, outOfRange[] = {0, 1, 7};
    const size_t before = hostkit::allNodes().size();
    MStatus status;
    MObject created = MFnMesh().create(3, 1, points, MIntArray(counts, 1), MIntArray(outOfRange, 3),
                                       MObject::kNullObj, &status);
    EXPECT_FALSE(status);
    EXPECT_TRUE(created.isNull());
    EXPECT_EQ(hostkit::allNodes().size(), before);
    // Counts that disagree with the arrays are refused too.
    const int connects[] = {0, 1, 2};
    MFnMesh().create(4, 1, points, MIntArray(counts, 1), MIntArray(connects, 3), MObject::kNullObj,
                     &status);
    EXPECT_FALSE(status);

    MFnMesh fn;
    MObject transform = fn.create(3, 1, points, MIntArray(counts, 1), MIntArray(connects, 3),
                                  MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    EXPECT_TRUE(transform.hasFn(MFn::kTransform));
    EXPECT_TRUE(fn.object().hasFn(MFn::kMesh));
    MFloatArray u, v;
    ASSERT_TRUE(fn.getUVs(u, v));
    EXPECT_EQ(u.length(), 0u);
    const MString otherSet("other");
    EXPECT_FALSE(fn.getUVs(u, v, &otherSet));
    EXPECT_STREQ(fn.currentUVSetName().asChar(), "map1");
}

TEST_F(FunctionSets, CommandResultsReachEveryOverload) {
    MString created;
    ASSERT_TRUE(MGlobal::executeCommand("createNode transform -n spot", created));
    EXPECT_STREQ(created.asChar(), "spot");
    mel("setAttr spot.t -type double3 1 2 3");
    MIntArray ints;
    ASSERT_TRUE(MGlobal::executeCommand("getAttr spot.t", ints));
    EXPECT_EQ(ints[2], 3);
    int one = 0;
    ASSERT_TRUE(MGlobal::executeCommand("getAttr spot.ty", one));
    EXPECT_EQ(one, 2);
    MStringArray strings;
    ASSERT_TRUE(MGlobal::executeCommand("createNode marker -n dot", strings));
    EXPECT_STREQ(strings[0].asChar(), "dot");
    MStatus status;
    EXPECT_STREQ(
        MGlobal::executeCommandStringResult("currentTime 6", false, false, &status).asChar(), "6");
    EXPECT_TRUE(status);
}
