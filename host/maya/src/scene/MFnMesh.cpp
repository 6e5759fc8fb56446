#include <maya/MFnMesh.h>

#include "scene/builtin_mesh.h"
#include "scene/geometry_access.h"
#include "scene/geometry_data.h"
#include "scene/node_factory.h"

#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

using scene::MeshData;
using scene::MeshGeometry;

namespace {

const char* const kUVSetName = "map1";

MStatus report(MStatus* status, MStatus value) {
    if (status)
        *status = value;
    return value;
}

scene::ShapeGeometryAttributes meshAttributes() {
    return {scene::MeshShape::outMesh, scene::MeshShape::inMesh, scene::MeshShape::inMesh};
}

// The set's mesh and its world matrix, read once per call.
struct MeshView {
    MObject holder;
    const MeshData* data = nullptr;
    MMatrix world;

    MeshView(const MObject& object, const MDagPath& path) {
        data = scene::readGeometry<MeshData>(object, meshAttributes(), holder);
        world = scene::geometryWorldMatrix(object, path, data);
    }
    const MeshGeometry* mesh() const { return data ? &data->mesh : nullptr; }
};

MPoint toPoint(const scene::Vec3& p) {
    return MPoint(p[0], p[1], p[2]);
}

// Normals go to world space through the inverse transpose, then are renormalised.
MVector transformNormal(const scene::Vec3& n, const MMatrix& inverseTranspose, bool world) {
    MVector v(n[0], n[1], n[2]);
    if (!world)
        return v;
    MVector out = v * inverseTranspose;
    return out.length() > 0.0 ? out.normal() : out;
}

template <class Array>
MStatus setAllPoints(const MObject& object, const MDagPath& path, const Array& points,
                     MSpace::Space space) {
    MeshView view(object, path);
    const bool world = space == MSpace::kWorld;
    const MMatrix toObject = view.world.inverse();
    return scene::editGeometry<MeshData>(object, meshAttributes(), [&](MeshData& data) {
        if (points.length() != data.mesh.points.size())
            return MStatus(MS::kInvalidParameter);
        for (unsigned int i = 0; i < points.length(); ++i) {
            MPoint p(points[i].x, points[i].y, points[i].z);
            if (world)
                p = p * toObject;
            data.mesh.points[i] = {p.x, p.y, p.z};
        }
        return MStatus(MS::kSuccess);
    });
}

template <class Array>
MStatus getAllPoints(const MObject& object, const MDagPath& path, Array& points,
                     MSpace::Space space) {
    MeshView view(object, path);
    if (!view.mesh())
        return MS::kFailure;
    points.setLength(static_cast<unsigned int>(view.mesh()->points.size()));
    for (unsigned int i = 0; i < points.length(); ++i) {
        MPoint p = toPoint(view.mesh()->points[i]);
        if (space == MSpace::kWorld)
            p = p * view.world;
        points[i] = typename std::remove_reference<decltype(points[i])>::type(p);
    }
    return MS::kSuccess;
}

} // namespace

MFnMesh::MFnMesh() = default;
MFnMesh::MFnMesh(MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}
MFnMesh::MFnMesh(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}
MFnMesh::MFnMesh(const MDagPath& path, MStatus* ReturnStatus) {
    report(ReturnStatus, scene::attachGeometryPath<MeshData>(path, MFn::kMesh, fObject, fPath));
}
MFnMesh::~MFnMesh() = default;

MFn::Type MFnMesh::type() const {
    return MFn::kMesh;
}

MStatus MFnMesh::setObject(MObject& object) {
    return setObject(static_cast<const MObject&>(object));
}

// A mesh shape or mesh data.
MStatus MFnMesh::setObject(const MObject& object) {
    return scene::attachGeometry<MeshData>(object, MFn::kMesh, fObject, fPath);
}

MObject MFnMesh::create(int numVertices, int numPolygons, const MFloatPointArray& vertexArray,
                        const MIntArray& polygonCounts, const MIntArray& polygonConnects,
                        MObject parentOrOwner, MStatus* ReturnStatus) {
    return create(numVertices, numPolygons, vertexArray, polygonCounts, polygonConnects,
                  MFloatArray(), MFloatArray(), parentOrOwner, ReturnStatus);
}

// UVs, when given one per vertex, are assigned to the face-vertices of their vertex.
MObject MFnMesh::create(int numVertices, int numPolygons, const MFloatPointArray& vertexArray,
                        const MIntArray& polygonCounts, const MIntArray& polygonConnects,
                        const MFloatArray& uArray, const MFloatArray& vArray, MObject parentOrOwner,
                        MStatus* ReturnStatus) {
    MeshGeometry mesh;
    for (unsigned int i = 0; i < vertexArray.length(); ++i)
        mesh.points.push_back({vertexArray[i].x, vertexArray[i].y, vertexArray[i].z});
    for (unsigned int i = 0; i < polygonCounts.length(); ++i)
        mesh.faceCounts.push_back(polygonCounts[i]);
    for (unsigned int i = 0; i < polygonConnects.length(); ++i)
        mesh.faceConnects.push_back(polygonConnects[i]);
    for (unsigned int i = 0; i < uArray.length() && i < vArray.length(); ++i) {
        mesh.us.push_back(uArray[i]);
        mesh.vs.push_back(vArray[i]);
    }
    if (!mesh.us.empty() && mesh.us.size() == mesh.points.size())
        mesh.uvIds = mesh.faceConnects;
    if (numVertices != static_cast<int>(mesh.points.size()) ||
        numPolygons != static_cast<int>(mesh.faceCounts.size()) || !mesh.validate().empty()) {
        report(ReturnStatus, MS::kInvalidParameter);
        return MObject();
    }
    if (auto* owner = mcore::dataObject<MeshData>(parentOrOwner)) {
        owner->mesh = mesh;
        setObject(parentOrOwner);
        report(ReturnStatus, MS::kSuccess);
        return parentOrOwner;
    }
    scene::CreatedNode created;
    std::string error;
    MStatus status = scene::createNodeOfType("mesh", "", parentOrOwner, created, error);
    if (status) {
        MObject data = scene::newMeshData(mesh);
        status = MPlug(created.node, scene::MeshShape::inMesh).setValue(data);
    }
    report(ReturnStatus, status);
    if (!status)
        return MObject();
    setObject(created.node);
    return created.transform.isNull() ? created.node : created.transform;
}

namespace {

int countOf(const MObject& object, const MDagPath& path, MStatus* status,
            size_t (*count)(const MeshGeometry&)) {
    MeshView view(object, path);
    report(status, view.mesh() ? MS::kSuccess : MS::kFailure);
    return view.mesh() ? static_cast<int>(count(*view.mesh())) : 0;
}

} // namespace

int MFnMesh::numVertices(MStatus* ReturnStatus) const {
    return countOf(fObject, fPath, ReturnStatus,
                   [](const MeshGeometry& m) { return m.points.size(); });
}

int MFnMesh::numPolygons(MStatus* ReturnStatus) const {
    return countOf(fObject, fPath, ReturnStatus,
                   [](const MeshGeometry& m) { return m.faceCounts.size(); });
}

int MFnMesh::numFaceVertices(MStatus* ReturnStatus) const {
    return countOf(fObject, fPath, ReturnStatus,
                   [](const MeshGeometry& m) { return m.faceConnects.size(); });
}

int MFnMesh::numNormals(MStatus* ReturnStatus) const {
    return numFaceVertices(ReturnStatus);
}

int MFnMesh::numUVs(MStatus* ReturnStatus) const {
    return countOf(fObject, fPath, ReturnStatus, [](const MeshGeometry& m) { return m.us.size(); });
}

MStatus MFnMesh::getPoints(MFloatPointArray& vertexArray, MSpace::Space space) const {
    return getAllPoints(fObject, fPath, vertexArray, space);
}

MStatus MFnMesh::getPoints(MPointArray& vertexArray, MSpace::Space space) const {
    return getAllPoints(fObject, fPath, vertexArray, space);
}

MStatus MFnMesh::setPoints(MFloatPointArray& vertexArray, MSpace::Space space) {
    return setAllPoints(fObject, fPath, vertexArray, space);
}

MStatus MFnMesh::setPoints(MPointArray& vertexArray, MSpace::Space space) {
    return setAllPoints(fObject, fPath, vertexArray, space);
}

MStatus MFnMesh::getPoint(int vertexId, MPoint& pos, MSpace::Space space) const {
    MeshView view(fObject, fPath);
    if (!view.mesh() || vertexId < 0 || vertexId >= static_cast<int>(view.mesh()->points.size()))
        return MS::kInvalidParameter;
    pos = toPoint(view.mesh()->points[vertexId]);
    if (space == MSpace::kWorld)
        pos = pos * view.world;
    return MS::kSuccess;
}

MStatus MFnMesh::setPoint(int vertexId, const MPoint& pos, MSpace::Space space) {
    MPointArray points;
    MStatus status = getPoints(points, space);
    if (!status || vertexId < 0 || vertexId >= static_cast<int>(points.length()))
        return MS::kInvalidParameter;
    points[vertexId] = pos;
    return setPoints(points, space);
}

MStatus MFnMesh::getVertices(MIntArray& vertexCount, MIntArray& vertexList) const {
    MeshView view(fObject, fPath);
    if (!view.mesh())
        return MS::kFailure;
    vertexCount.clear();
    vertexList.clear();
    for (int c : view.mesh()->faceCounts)
        vertexCount.append(c);
    for (int v : view.mesh()->faceConnects)
        vertexList.append(v);
    return MS::kSuccess;
}

MStatus MFnMesh::getPolygonVertices(int polygonId, MIntArray& vertexList) const {
    MeshView view(fObject, fPath);
    const MeshGeometry* mesh = view.mesh();
    if (!mesh || polygonId < 0 || polygonId >= static_cast<int>(mesh->faceCounts.size()))
        return MS::kInvalidParameter;
    size_t first = 0;
    for (int f = 0; f < polygonId; ++f)
        first += static_cast<size_t>(mesh->faceCounts[f]);
    vertexList.clear();
    for (int k = 0; k < mesh->faceCounts[polygonId]; ++k)
        vertexList.append(mesh->faceConnects[first + k]);
    return MS::kSuccess;
}

namespace {

MStatus fillNormals(const MeshView& view, const std::vector<scene::Vec3>& normals,
                    MFloatVectorArray& out, MSpace::Space space) {
    const MMatrix inverseTranspose = view.world.inverse().transpose();
    out.setLength(static_cast<unsigned int>(normals.size()));
    for (unsigned int i = 0; i < out.length(); ++i)
        out[i] =
            MFloatVector(transformNormal(normals[i], inverseTranspose, space == MSpace::kWorld));
    return MS::kSuccess;
}

} // namespace

MStatus MFnMesh::getVertexNormals(bool angleWeighted, MFloatVectorArray& normals,
                                  MSpace::Space space) const {
    MeshView view(fObject, fPath);
    if (!view.mesh())
        return MS::kFailure;
    return fillNormals(view, scene::vertexNormals(*view.mesh(), angleWeighted), normals, space);
}

MStatus MFnMesh::getNormals(MFloatVectorArray& normals, MSpace::Space space) const {
    MeshView view(fObject, fPath);
    if (!view.mesh())
        return MS::kFailure;
    return fillNormals(view, scene::faceVertexNormals(*view.mesh()), normals, space);
}

namespace {

bool isKnownUVSet(const MString* uvSet) {
    return !uvSet || *uvSet == kUVSetName;
}

} // namespace

MStatus MFnMesh::getUVs(MFloatArray& uArray, MFloatArray& vArray, const MString* uvSet) const {
    MeshView view(fObject, fPath);
    if (!view.mesh() || !isKnownUVSet(uvSet))
        return MS::kFailure;
    uArray.clear();
    vArray.clear();
    for (size_t i = 0; i < view.mesh()->us.size(); ++i) {
        uArray.append(view.mesh()->us[i]);
        vArray.append(view.mesh()->vs[i]);
    }
    return MS::kSuccess;
}

MStatus MFnMesh::getAssignedUVs(MIntArray& uvCounts, MIntArray& uvIds, const MString* uvSet) const {
    MeshView view(fObject, fPath);
    if (!view.mesh() || !isKnownUVSet(uvSet))
        return MS::kFailure;
    const MeshGeometry& mesh = *view.mesh();
    uvCounts.clear();
    uvIds.clear();
    for (int count : mesh.faceCounts)
        uvCounts.append(mesh.uvIds.empty() ? 0 : count);
    for (int id : mesh.uvIds)
        uvIds.append(id);
    return MS::kSuccess;
}

// Replaces the UV list; the face-vertex UV ids must still index into it.
MStatus MFnMesh::setUVs(const MFloatArray& uArray, const MFloatArray& vArray,
                        const MString* uvSet) {
    if (!isKnownUVSet(uvSet) || uArray.length() != vArray.length())
        return MS::kInvalidParameter;
    return scene::editGeometry<MeshData>(fObject, meshAttributes(), [&](MeshData& data) {
        MeshGeometry mesh = data.mesh;
        mesh.us.assign(uArray.length(), 0.0f);
        mesh.vs.assign(vArray.length(), 0.0f);
        for (unsigned int i = 0; i < uArray.length(); ++i) {
            mesh.us[i] = uArray[i];
            mesh.vs[i] = vArray[i];
        }
        if (mesh.uvIds.empty() && mesh.us.size() == mesh.points.size())
            mesh.uvIds = mesh.faceConnects;
        if (!mesh.validate().empty())
            return MStatus(MS::kInvalidParameter);
        data.mesh = mesh;
        return MStatus(MS::kSuccess);
    });
}

MStatus MFnMesh::getCurrentUVSetName(MString& setName, int) const {
    setName = kUVSetName;
    return fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess;
}

MString MFnMesh::currentUVSetName(MStatus* ReturnStatus, int) const {
    report(ReturnStatus, fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    return kUVSetName;
}
