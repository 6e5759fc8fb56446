// The poly creation nodes: one node type per primitive, each with its sizes and subdivisions,
// "axis"/"ax", "createUVs"/"cuv" (0: none) and the mesh on "output"/"out".
#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/builtin_poly.h"
#include "scene/indexed_node_types.h"
#include "scene/geometry_data.h"
#include "scene/poly_primitives.h"
#include "scene/shape_support.h"
#include "scene/units.h"

#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnNumericAttribute.h>

#include <utility>

namespace scene {

namespace {

struct NumberAttribute {
    const char* longName;
    const char* shortName;
    double value;
    UnitKind unit; // None for a subdivision count
};

using Values = std::vector<double>;

struct CreatorType {
    const char* type;
    std::vector<NumberAttribute> numbers;
    MeshGeometry (*make)(const Values& v, bool uvs);
};

int count(double v) {
    return static_cast<int>(v);
}

PolyRoundSize round(double radius, double height, int axisSteps, int heightSteps, int capSteps) {
    PolyRoundSize s;
    s.radius = radius, s.height = height;
    s.axisSteps = axisSteps, s.heightSteps = heightSteps, s.capSteps = capSteps;
    return s;
}

constexpr UnitKind kLength = UnitKind::Distance;
constexpr UnitKind kSteps = UnitKind::None;

const CreatorType kCreators[] = {
    {"polyCube",
     {{"width", "w", 1, kLength},
      {"height", "h", 1, kLength},
      {"depth", "d", 1, kLength},
      {"subdivisionsWidth", "sw", 1, kSteps},
      {"subdivisionsHeight", "sh", 1, kSteps},
      {"subdivisionsDepth", "sd", 1, kSteps}},
     [](const Values& v, bool uvs) {
         return polyCube({v[0], v[1], v[2], count(v[3]), count(v[4]), count(v[5])}, uvs);
     }},
    {"polyPlane",
     {{"width", "w", 1, kLength},
      {"height", "h", 1, kLength},
      {"subdivisionsWidth", "sw", 10, kSteps},
      {"subdivisionsHeight", "sh", 10, kSteps}},
     [](const Values& v, bool uvs) {
         return polyPlane({v[0], v[1], count(v[2]), count(v[3])}, uvs);
     }},
    {"polySphere",
     {{"radius", "r", 1, kLength},
      {"subdivisionsAxis", "sa", 20, kSteps},
      {"subdivisionsHeight", "sh", 20, kSteps}},
     [](const Values& v, bool uvs) {
         return polySphere(round(v[0], 2 * v[0], count(v[1]), count(v[2]), 0), uvs);
     }},
    {"polyCylinder",
     {{"radius", "r", 1, kLength},
      {"height", "h", 2, kLength},
      {"subdivisionsAxis", "sa", 20, kSteps},
      {"subdivisionsHeight", "sh", 1, kSteps},
      {"subdivisionsCaps", "sc", 0, kSteps}},
     [](const Values& v, bool uvs) {
         return polyCylinder(round(v[0], v[1], count(v[2]), count(v[3]), count(v[4])), uvs);
     }},
    {"polyCone",
     {{"radius", "r", 1, kLength},
      {"height", "h", 2, kLength},
      {"subdivisionsAxis", "sa", 20, kSteps},
      {"subdivisionsHeight", "sh", 1, kSteps},
      {"subdivisionsCap", "sc", 0, kSteps}},
     [](const Values& v, bool uvs) {
         return polyCone(round(v[0], v[1], count(v[2]), count(v[3]), count(v[4])), uvs);
     }},
    {"polyTorus",
     {{"radius", "r", 1, kLength},
      {"sectionRadius", "sr", 0.5, kLength},
      {"twist", "tw", 0, UnitKind::Angle},
      {"subdivisionsAxis", "sa", 20, kSteps},
      {"subdivisionsHeight", "sh", 20, kSteps}},
     [](const Values& v, bool uvs) {
         PolyRoundSize s = round(v[0], 0, count(v[3]), count(v[4]), 0);
         s.sectionRadius = v[1];
         s.twistDegrees = v[2];
         return polyTorus(s, uvs);
     }},
};
constexpr int kCreatorCount = static_cast<int>(std::size(kCreators));

struct CreatorAttributes {
    std::vector<MObject> numbers;
    MObject axis, createUVs, output;
};

CreatorAttributes& attributesOf(int index) {
    static CreatorAttributes attributes[kCreatorCount];
    return attributes[index];
}

MStatus initializeCreator(int index) {
    const CreatorType& creator = kCreators[index];
    CreatorAttributes& a = attributesOf(index);
    MFnNumericAttribute fn;
    for (const NumberAttribute& n : creator.numbers) {
        const bool steps = n.unit == kSteps;
        a.numbers.push_back(fn.create(n.longName, n.shortName,
                                      steps ? MFnNumericData::kInt : MFnNumericData::kDouble,
                                      n.value));
        fn.setKeyable(true);
        declareUnit(a.numbers.back(), n.unit);
    }
    MObject x = fn.create("axisX", "axx", MFnNumericData::kDouble, 0.0);
    MObject y = fn.create("axisY", "axy", MFnNumericData::kDouble, 1.0);
    MObject z = fn.create("axisZ", "axz", MFnNumericData::kDouble, 0.0);
    a.axis = fn.create("axis", "ax", x, y, z);
    a.createUVs = fn.create("createUVs", "cuv", MFnNumericData::kInt, 1.0);
    a.output = createGeometryAttribute("output", "out", MFnData::kMesh, true);
    std::vector<MObject> inputs = a.numbers;
    inputs.push_back(a.axis);
    inputs.push_back(a.createUVs);
    for (const MObject& input : inputs)
        MPxNode::addAttribute(input);
    MPxNode::addAttribute(a.output);
    for (const MObject& input : inputs)
        MPxNode::attributeAffects(input, a.output);
    return MS::kSuccess;
}

MStatus computeCreator(int index, const MPlug& plug, MDataBlock& block) {
    const CreatorAttributes& a = attributesOf(index);
    if (plug != a.output)
        return MS::kUnknownParameter;
    Values values;
    for (const MObject& number : a.numbers) {
        MDataHandle h = block.inputValue(number);
        values.push_back(h.numericType() == MFnNumericData::kInt ? h.asInt() : h.asDouble());
    }
    MeshGeometry mesh = kCreators[index].make(values, block.inputValue(a.createUVs).asInt() != 0);
    const double3& axis = block.inputValue(a.axis).asDouble3();
    orientToAxis(mesh, {axis[0], axis[1], axis[2]});
    block.outputValue(a.output).set(newMeshData(mesh));
    block.setClean(plug);
    return MS::kSuccess;
}

} // namespace

void registerPolyCreatorTypes() {
    const char* names[kCreatorCount];
    for (int i = 0; i < kCreatorCount; ++i)
        names[i] = kCreators[i].type;
    registerIndexedTypes<initializeCreator, computeCreator>(
        names, kPolyCreatorIds, std::make_integer_sequence<int, kCreatorCount>());
}

} // namespace scene
