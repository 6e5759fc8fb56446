#include "scene/builtin_mesh.h"

#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/geometry_data.h"
#include "scene/mesh_storage.h"
#include "scene/shape_support.h"

#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MPlug.h>

namespace scene {

MObject MeshShape::inMesh;
MObject MeshShape::outMesh;
MObject MeshShape::worldMesh;

void* MeshShape::creator() {
    return new MeshShape();
}

MStatus MeshShape::initialize() {
    inMesh = createGeometryAttribute("inMesh", "i", MFnData::kMesh, false);
    outMesh = createGeometryAttribute("outMesh", "o", MFnData::kMesh, true);
    worldMesh = createGeometryAttribute("worldMesh", "w", MFnData::kMesh, true, true);
    addAttribute(inMesh);
    addAttribute(outMesh);
    addAttribute(worldMesh);
    MeshStorage& storage = mutableMeshStorage();
    storage.create();
    for (const MObject& attribute : storage.all())
        addAttribute(attribute);
    for (const MObject& input : storage.geometryInputs()) {
        attributeAffects(input, outMesh);
        attributeAffects(input, worldMesh);
    }
    attributeAffects(inMesh, outMesh);
    attributeAffects(inMesh, worldMesh);
    return mcore::addDagAttributes();
}

// Stored lists that do not make a valid mesh give an empty one, so readers always find mesh data.
MStatus MeshShape::compute(const MPlug& plug, MDataBlock& block) {
    if (plug != outMesh)
        return MS::kUnknownParameter;
    problem_.clear();
    MObject copy = mcore::cloneData(block.inputValue(inMesh).data());
    MeshData* data = mcore::dataObject<MeshData>(copy);
    if (!data) {
        MeshComponents components;
        meshStorage().gather(block, components);
        MeshGeometry mesh;
        problem_ = buildMesh(components, mesh);
        copy = newMeshData(problem_.empty() ? mesh : MeshGeometry());
        data = mcore::dataObject<MeshData>(copy);
    }
    data->matrix = MMatrix();
    meshStorage().applyTweaks(block, data->mesh);
    block.outputValue(outMesh).set(copy);
    block.setClean(plug);
    return MS::kSuccess;
}

void registerMeshType() {
    mcore::registerBuiltinNodeType("mesh", MTypeId(kMeshId), MeshShape::creator,
                                   MeshShape::initialize, MPxNode::kSurfaceShape,
                                   {MFn::kMesh, MFn::kShape, MFn::kDagNode, MFn::kDependencyNode});
    installWorldGeometry(MeshShape::worldMesh, MeshShape::outMesh);
}

} // namespace scene
