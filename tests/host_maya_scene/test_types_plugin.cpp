// Node types with one attribute of every kind a scene file must keep, registered the way a
// plug-in registers its nodes.
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPlugin.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MItGeometry.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MPxNode.h>
#include <maya/MTime.h>

#include <initializer_list>

class AllKinds : public MPxNode {
public:
    static MObject flag, count, ratio, precise, mode, label, offset, offsetX, offsetY, offsetZ,
        tint, when, weights, points, curve, transform, pair, pairA, pairB, notStored;

    static void* creator() { return new AllKinds(); }
    static MStatus initialize() {
        MFnNumericAttribute n;
        flag = n.create("flag", "fl", MFnNumericData::kBoolean, 1);
        count = n.create("count", "cn", MFnNumericData::kInt, 3);
        n.setMin(0);
        n.setMax(100);
        ratio = n.create("ratio", "ro", MFnNumericData::kFloat, 0.5);
        precise = n.create("precise", "pr", MFnNumericData::kDouble, 0.1);
        offsetX = n.create("offsetX", "ofx", MFnNumericData::kDouble, 0.0);
        offsetY = n.create("offsetY", "ofy", MFnNumericData::kDouble, 0.0);
        offsetZ = n.create("offsetZ", "ofz", MFnNumericData::kDouble, 0.0);
        offset = n.create("offset", "of", offsetX, offsetY, offsetZ);
        tint = n.createColor("tint", "ti");
        n.setDefault(0.1f, 0.2f, 0.3f);
        weights = n.create("weights", "wt", MFnNumericData::kFloat, 1.0);
        n.setArray(true);
        notStored = n.create("notStored", "ns", MFnNumericData::kFloat, 0.0);
        n.setStorable(false);
        pairA = n.create("pairA", "pa", MFnNumericData::kInt, 0);
        pairB = n.create("pairB", "pb", MFnNumericData::kFloat, 0.0);
        MFnCompoundAttribute c;
        pair = c.create("pair", "pai");
        c.addChild(pairA);
        c.addChild(pairB);
        c.setArray(true);

        MFnEnumAttribute e;
        mode = e.create("mode", "md", 0);
        e.addField("Off", 0);
        e.addField("Low", 30);
        e.addField("High", 900);

        MFnTypedAttribute t;
        label = t.create("label", "lb", MFnData::kString);
        points = t.create("points", "pts", MFnData::kPointArray);
        curve = t.create("curve", "cv", MFnData::kNurbsCurve);
        MFnUnitAttribute u;
        when = u.create("when", "wh", MTime(1.0));
        MFnMatrixAttribute m;
        transform = m.create("transform", "tf");

        for (const MObject* a :
             {&flag, &count, &ratio, &precise, &offset, &tint, &weights, &notStored, &pair, &mode,
              &label, &points, &curve, &when, &transform})
            addAttribute(*a);
        return MS::kSuccess;
    }
};

MObject AllKinds::flag, AllKinds::count, AllKinds::ratio, AllKinds::precise, AllKinds::mode,
    AllKinds::label, AllKinds::offset, AllKinds::offsetX, AllKinds::offsetY, AllKinds::offsetZ,
    AllKinds::tint, AllKinds::when, AllKinds::weights, AllKinds::points, AllKinds::curve,
    AllKinds::transform, AllKinds::pair, AllKinds::pairA, AllKinds::pairB, AllKinds::notStored;

// A locator that draws nothing: a plug-in DAG shape for selection and DAG tests.
class Marker : public MPxLocatorNode {
public:
    static void* creator() { return new Marker(); }
    static MStatus initialize() { return MS::kSuccess; }
};

// Moves every point up by one world unit.
class Lift : public MPxDeformerNode {
public:
    static void* creator() { return new Lift(); }
    static MStatus initialize() { return MS::kSuccess; }
    MStatus deform(MDataBlock&, MItGeometry& iter, const MMatrix&, unsigned int) override {
        for (; !iter.isDone(); iter.next()) {
            MPoint p = iter.position(MSpace::kWorld);
            p.y += 1.0;
            iter.setPosition(p, MSpace::kWorld);
        }
        return MS::kSuccess;
    }
};

MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "quillomar tests", "2.5", "Any");
    MStatus status =
        plugin.registerNode("allKinds", MTypeId(0x7F101), AllKinds::creator, AllKinds::initialize);
    if (status)
        status = plugin.registerNode("marker", MTypeId(0x7F102), Marker::creator,
                                     Marker::initialize, MPxNode::kLocatorNode);
    if (status)
        status = plugin.registerNode("lift", MTypeId(0x7F103), Lift::creator, Lift::initialize,
                                     MPxNode::kDeformerNode);
    return status;
}

MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    plugin.deregisterNode(MTypeId(0x7F101));
    plugin.deregisterNode(MTypeId(0x7F102));
    return plugin.deregisterNode(MTypeId(0x7F103));
}
