#include "obakeDeformer.h"
#include "obakeTrail.h"

#include <maya/MAnimControl.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataHandle.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MGlobal.h>
#include <maya/MPointArray.h>
#include <maya/MTime.h>

#include <vector>

const MString ObakeDeformer::nodeTypeName("obakeDeformer");
const MTypeId ObakeDeformer::nodeTypeId(0x121EC6);

MObject ObakeDeformer::aStrength;
MObject ObakeDeformer::aThreshold;
MObject ObakeDeformer::aScale;
MObject ObakeDeformer::aStartFrame;
MObject ObakeDeformer::aNoiseMap;
MObject ObakeDeformer::aTime;

namespace {

// The input positions at the last two active evaluations. Held once for the whole plug-in:
// every obakeDeformer node reads and advances the same history.
struct PointHistory {
    std::vector<MPoint> previous;
    std::vector<MPoint> older;

    void clear() {
        previous.clear();
        older.clear();
    }
    // A first evaluation, or one whose mesh has another vertex count than the history (a
    // change of topology, or another mesh): start from the current positions, so nothing
    // moves and nothing is read past the end of the history.
    void seedUnlessMatching(const std::vector<MPoint>& current) {
        if (previous.size() == current.size() && older.size() == current.size())
            return;
        older = current;
        previous = current;
    }
    void advance(std::vector<MPoint>& current) {
        older.swap(previous);
        previous.swap(current);
    }
};

PointHistory& history() {
    static PointHistory points;
    return points;
}

MObject setting(const char* name, const char* shortName, double defaultValue, bool hasMax) {
    MFnNumericAttribute attribute;
    MObject object = attribute.create(name, shortName, MFnNumericData::kFloat, defaultValue);
    attribute.setStorable(true);
    attribute.setKeyable(true);
    attribute.setMin(0.0);
    if (hasMax)
        attribute.setMax(1.0);
    return object;
}

template <class Array, class Element> std::vector<Element> plainCopy(const Array& array) {
    std::vector<Element> copy(array.length());
    for (unsigned int i = 0; i < array.length(); ++i)
        copy[i] = array[i];
    return copy;
}

} // namespace

ObakeDeformer::~ObakeDeformer() {}

void* ObakeDeformer::creator() {
    return new ObakeDeformer();
}

MStatus ObakeDeformer::initialize() {
    aStrength = setting("strength", "str", 1.0, true);
    aThreshold = setting("threshold", "ts", 0.0, false);
    aScale = setting("scale", "s", 1.0, false);

    MFnNumericAttribute numeric;
    aStartFrame = numeric.create("startFrame", "sf", MFnNumericData::kFloat, 0.0);
    numeric.setStorable(true);
    numeric.setKeyable(true);

    aNoiseMap = numeric.createColor("noiseMap", "noise");
    numeric.setKeyable(true);
    numeric.setStorable(true);
    numeric.setRenderSource(true);

    MFnUnitAttribute unit;
    aTime = unit.create("time", "t", MFnUnitAttribute::kTime, 1.0);
    unit.setKeyable(true);
    unit.setStorable(true);
    unit.setRenderSource(true);

    const MObject* attributes[] = {&aStrength, &aThreshold,  &aScale,
                                   &aNoiseMap, &aStartFrame, &aTime};
    for (const MObject* attribute : attributes) {
        addAttribute(*attribute);
        attributeAffects(*attribute, outputGeom);
    }

    MGlobal::executeCommand("makePaintable -attrType multiFloat -sm deformer " + nodeTypeName +
                                " weights;",
                            false, false);
    return MS::kSuccess;
}

MStatus ObakeDeformer::deform(MDataBlock& block, MItGeometry&, const MMatrix&,
                              unsigned int multiIndex) {
    TrailSettings settings;
    settings.strength = block.inputValue(aStrength).asFloat();
    settings.threshold = block.inputValue(aThreshold).asFloat();
    settings.scale = block.inputValue(aScale).asFloat();
    const float startFrame = block.inputValue(aStartFrame).asFloat();
    settings.envelope = block.inputValue(envelope).asFloat();
    block.inputValue(aTime).asTime(); // read only so that every new time evaluates the node

    const double now = MAnimControl::currentTime().value();
    if (settings.envelope == 0.0f || static_cast<double>(startFrame) >= now) {
        history().clear();
        return MS::kSuccess;
    }

    // This geometry's input and output elements.
    const MObject node = thisMObject();
    const MObject inputMesh =
        MPlug(node, input).elementByLogicalIndex(multiIndex).child(inputGeom).asMObject();
    const MFnMesh inputFn(inputMesh);
    MPointArray currentPoints;
    inputFn.getPoints(currentPoints, MSpace::kWorld);
    MFloatVectorArray normals;
    inputFn.getVertexNormals(true, normals, MSpace::kObject);
    MArrayDataHandle outputs = block.outputArrayValue(outputGeom);
    if (!outputs.jumpToElement(multiIndex))
        return MS::kSuccess;
    MObject outputMesh = outputs.outputValue().asMesh();
    MFnMesh outputFn(outputMesh);
    const MFloatVectorArray noise = sampleNoiseColors(MPlug(node, aNoiseMap), inputMesh);

    // Everything the parallel loop reads, gathered here on the evaluating thread (the painted
    // weights too: Maya does not promise weightValue is safe from worker threads).
    std::vector<MPoint> current = plainCopy<MPointArray, MPoint>(currentPoints);
    const unsigned int count = static_cast<unsigned int>(current.size());
    const std::vector<MFloatVector> normalList =
        plainCopy<MFloatVectorArray, MFloatVector>(normals);
    const std::vector<MFloatVector> colours = plainCopy<MFloatVectorArray, MFloatVector>(noise);
    std::vector<float> weights(count);
    for (unsigned int i = 0; i < count; ++i)
        weights[i] = weightValue(block, multiIndex, i);
    PointHistory& points = history();
    points.seedUnlessMatching(current);

    std::vector<MPoint> result = current;
    if (normalList.size() == count && colours.size() == count) {
        const TrailArrays arrays{current.data(),
                                 points.previous.data(),
                                 points.older.data(),
                                 normalList.data(),
                                 colours.data(),
                                 weights.data(),
                                 count};
        trailVertices(arrays, settings, result.data());
    }

    MPointArray resultPoints(count);
    for (unsigned int i = 0; i < count; ++i)
        resultPoints[i] = result[i];
    outputFn.setPoints(resultPoints, MSpace::kWorld);
    points.advance(current);
    block.setClean(MPlug(node, outputGeom).elementByLogicalIndex(multiIndex));
    return MS::kSuccess;
}
