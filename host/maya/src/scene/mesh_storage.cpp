#include "scene/mesh_storage.h"

#include "core/internal.h"
#include "scene/poly_face_data.h"
#include "scene/shape_support.h"

#include <hostkit/host.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataHandle.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

namespace scene {

namespace {

MObject flag(const char* longName, const char* shortName, bool value) {
    MFnNumericAttribute fn;
    return fn.create(longName, shortName, MFnNumericData::kBoolean, value ? 1.0 : 0.0);
}

MObject text(const char* longName, const char* shortName) {
    MFnTypedAttribute fn;
    return fn.create(longName, shortName, MFnData::kString);
}

// Calls read(index, handle) for every element, in logical index order.
template <class Read> void forEachElement(const MArrayDataHandle& array, Read read) {
    mcore::forEachElement(array, read);
}

template <class T> T& at(std::vector<T>& list, unsigned int index) {
    if (index >= list.size())
        list.resize(index + 1);
    return list[index];
}

Vec3 toVec3(const float3& v) {
    return {v[0], v[1], v[2]};
}

// The uvSet element whose name is the current set, else the first one; -1 without sets.
int drawnUVSet(MDataBlock& block, const MeshStorage& s) {
    const MString current = block.inputValue(s.currentUVSet).asString();
    int found = -1;
    forEachElement(block.inputArrayValue(s.uvSets), [&](unsigned int index, MDataHandle& set) {
        const bool named = current.length() > 0 && set.child(s.uvSetName).asString() == current;
        if (found < 0 || named)
            found = static_cast<int>(index);
    });
    return found;
}

} // namespace

MeshStorage& mutableMeshStorage() {
    static MeshStorage storage;
    return storage;
}

const MeshStorage& meshStorage() {
    return mutableMeshStorage();
}

void clearTweaks(const MObject& shape) {
    MPlug tweaks(shape, meshStorage().tweaks);
    std::vector<std::string> elements;
    for (unsigned int i = 0; i < tweaks.numElements(); ++i)
        elements.push_back(tweaks.elementByPhysicalIndex(i).name().asChar());
    for (const std::string& element : elements)
        hostkit::removeMultiInstance(element);
}

void MeshStorage::create() {
    vertices = createNumericArray("vrts", "vt", {"vrtx", "vrty", "vrtz"}, MFnNumericData::kFloat);
    edges = createNumericArray("edge", "ed", {"edg1", "edg2", "edgh"}, MFnNumericData::kInt);
    MFnTypedAttribute typed;
    faces = typed.create("face", "fc", MFnData::kAny);
    typed.setArray(true);
    typed.setUsesArrayDataBuilder(true);
    uvSetName = text("uvSetName", "uvsn");
    uvSetPoints =
        createNumericArray("uvSetPoints", "uvsp", {"uvpu", "uvpv"}, MFnNumericData::kFloat);
    MFnCompoundAttribute compound;
    uvSets = compound.create("uvSet", "uvst");
    compound.addChild(uvSetName);
    compound.addChild(uvSetPoints);
    compound.setArray(true);
    compound.setUsesArrayDataBuilder(true);
    currentUVSet = text("currentUVSet", "cuvs");
    normals = createNumericArray("normals", "n", {"nx", "ny", "nz"}, MFnNumericData::kFloat);
    tweaks = createNumericArray("pnts", "pt", {"pntx", "pnty", "pntz"}, MFnNumericData::kFloat);
    visibleInReflections = flag("visibleInReflections", "vir", false);
    visibleInRefractions = flag("visibleInRefractions", "vif", false);
}

std::vector<MObject> MeshStorage::all() const {
    std::vector<MObject> list = geometryInputs();
    list.push_back(visibleInReflections);
    list.push_back(visibleInRefractions);
    return list;
}

std::vector<MObject> MeshStorage::geometryInputs() const {
    return {vertices, edges, faces, uvSets, currentUVSet, normals, tweaks};
}

void MeshStorage::gather(MDataBlock& block, MeshComponents& c) const {
    c = MeshComponents();
    forEachElement(block.inputArrayValue(vertices), [&](unsigned int i, MDataHandle& h) {
        at(c.vertices, i) = toVec3(h.asFloat3());
    });
    forEachElement(block.inputArrayValue(edges), [&](unsigned int i, MDataHandle& h) {
        const int3& e = h.asInt3();
        at(c.edges, i) = {e[0], e[1], e[2] != 0};
    });
    forEachElement(block.inputArrayValue(faces), [&](unsigned int i, MDataHandle& h) {
        if (auto* face = mcore::dataObject<PolyFaceData>(h.data()))
            at(c.faces, i) = face->face;
        else
            at(c.faces, i);
    });
    forEachElement(block.inputArrayValue(normals), [&](unsigned int i, MDataHandle& h) {
        at(c.normals, i) = toVec3(h.asFloat3());
    });
    c.uvSet = drawnUVSet(block, *this);
    if (c.uvSet < 0)
        return;
    MArrayDataHandle sets = block.inputArrayValue(uvSets);
    if (!sets.jumpToElement(static_cast<unsigned int>(c.uvSet)))
        return;
    MDataHandle set = sets.inputValue();
    forEachElement(MArrayDataHandle(set.child(uvSetPoints)), [&](unsigned int i, MDataHandle& h) {
        const float2& uv = h.asFloat2();
        at(c.us, i) = uv[0];
        at(c.vs, i) = uv[1];
    });
}

void MeshStorage::applyTweaks(MDataBlock& block, MeshGeometry& mesh) const {
    forEachElement(block.inputArrayValue(tweaks), [&](unsigned int i, MDataHandle& h) {
        if (i >= mesh.points.size())
            return;
        const float3& t = h.asFloat3();
        for (int k = 0; k < 3; ++k)
            mesh.points[i][k] += t[k];
    });
}

} // namespace scene
