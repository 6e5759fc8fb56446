// History nodes that keep a mesh's topology: each copies its input mesh to its output and
// changes what it is about. Attributes are named as Maya names them.
#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/builtin_poly.h"
#include "scene/indexed_node_types.h"
#include "scene/geometry_data.h"
#include "scene/shape_support.h"

#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

#include <utility>

namespace scene {

namespace {

struct ModifierAttributes {
    MObject input, output;
    std::vector<MObject> extra; // the node's own inputs
};

struct ModifierType {
    const char* type;
    const char* input[2]; // long and short name
    const char* output[2];
    // Creates the node's own inputs.
    std::vector<MObject> (*create)();
    // Changes the copy of the input mesh; extra are the node's own inputs.
    void (*apply)(MDataBlock& block, const std::vector<MObject>& extra, MeshGeometry& mesh);
};

// Components a node works on ("f[0:113]" ...): kept as given; these nodes change every one.
MObject components(const char* longName, const char* shortName) {
    MFnTypedAttribute fn;
    return fn.create(longName, shortName, MFnData::kAny);
}

MObject useOldPolyArchitecture() {
    MFnNumericAttribute fn;
    return fn.create("useOldPolyArchitecture", "uopa", MFnNumericData::kBoolean, 0.0);
}

const ModifierType kModifiers[] = {
    {"polyTweak",
     {"inputPolymesh", "ip"},
     {"output", "out"},
     [] {
         return std::vector<MObject>{
             createNumericArray("tweak", "tk", {"tx", "ty", "tz"}, MFnNumericData::kFloat),
             useOldPolyArchitecture()};
     },
     [](MDataBlock& block, const std::vector<MObject>& extra, MeshGeometry& mesh) {
         mcore::forEachElement(block.inputArrayValue(extra[0]),
                               [&](unsigned int i, MDataHandle& h) {
                                   if (i >= mesh.points.size())
                                       return;
                                   const float3& t = h.asFloat3();
                                   for (int k = 0; k < 3; ++k)
                                       mesh.points[i][k] += t[k];
                               });
     }},
    {"polyTweakUV",
     {"inputPolymesh", "ip"},
     {"output", "out"},
     [] {
         return std::vector<MObject>{
             createNumericArray("uvTweak", "uvtk", {"uvtu", "uvtv"}, MFnNumericData::kFloat),
             useOldPolyArchitecture()};
     },
     [](MDataBlock& block, const std::vector<MObject>& extra, MeshGeometry& mesh) {
         mcore::forEachElement(block.inputArrayValue(extra[0]),
                               [&](unsigned int i, MDataHandle& h) {
                                   if (i >= mesh.us.size())
                                       return;
                                   const float2& t = h.asFloat2();
                                   mesh.us[i] += t[0];
                                   mesh.vs[i] += t[1];
                               });
     }},
    {"groupParts",
     {"inputGeometry", "ig"},
     {"outputGeometry", "og"},
     [] {
         MFnNumericAttribute fn;
         return std::vector<MObject>{components("inputComponents", "ic"),
                                     fn.create("groupId", "gi", MFnNumericData::kInt, 0.0)};
     },
     [](MDataBlock&, const std::vector<MObject>&, MeshGeometry&) {}},
    {"polyMapCut",
     {"inputPolymesh", "ip"},
     {"output", "out"},
     [] {
         return std::vector<MObject>{components("inputComponents", "ics"),
                                     useOldPolyArchitecture()};
     },
     [](MDataBlock&, const std::vector<MObject>&, MeshGeometry& mesh) {
         mesh.us.clear();
         mesh.vs.clear();
         mesh.uvIds.clear();
     }},
};
constexpr int kModifierCount = static_cast<int>(std::size(kModifiers));

ModifierAttributes& attributesOf(int index) {
    static ModifierAttributes attributes[kModifierCount];
    return attributes[index];
}

MStatus initializeModifier(int index) {
    const ModifierType& modifier = kModifiers[index];
    ModifierAttributes& a = attributesOf(index);
    a.input = createGeometryAttribute(modifier.input[0], modifier.input[1], MFnData::kMesh, false);
    a.output =
        createGeometryAttribute(modifier.output[0], modifier.output[1], MFnData::kMesh, true);
    a.extra = modifier.create();
    MPxNode::addAttribute(a.input);
    MPxNode::addAttribute(a.output);
    MPxNode::attributeAffects(a.input, a.output);
    for (const MObject& extra : a.extra) {
        MPxNode::addAttribute(extra);
        MPxNode::attributeAffects(extra, a.output);
    }
    return MS::kSuccess;
}

// Without a mesh coming in, the output is an empty mesh.
MStatus computeModifier(int index, const MPlug& plug, MDataBlock& block) {
    const ModifierAttributes& a = attributesOf(index);
    if (plug != a.output)
        return MS::kUnknownParameter;
    MObject copy = mcore::cloneData(block.inputValue(a.input).data());
    MeshData* data = mcore::dataObject<MeshData>(copy);
    if (!data) {
        copy = newMeshData();
        data = mcore::dataObject<MeshData>(copy);
    }
    data->matrix = MMatrix();
    kModifiers[index].apply(block, a.extra, data->mesh);
    block.outputValue(a.output).set(copy);
    block.setClean(plug);
    return MS::kSuccess;
}

} // namespace

void registerPolyModifierTypes() {
    const char* names[kModifierCount];
    for (int i = 0; i < kModifierCount; ++i)
        names[i] = kModifiers[i].type;
    registerIndexedTypes<initializeModifier, computeModifier>(
        names, kPolyModifierIds, std::make_integer_sequence<int, kModifierCount>());
}

} // namespace scene
