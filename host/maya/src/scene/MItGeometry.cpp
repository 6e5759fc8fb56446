#include <maya/MItGeometry.h>

#include "core/internal.h"

#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFloatVectorArray.h>

// Iterates the points of a mesh (vertices) or a curve (CVs), given as a shape or as data. The
// positions are read once and written back through the function set on each change.
namespace {

struct Iteration {
    MObject object; // shape or data
    MDagPath path;
    bool readOnly = false;
    int index = 0;
};

Iteration& state(void* p) {
    return *static_cast<Iteration*>(p);
}

MStatus report(MStatus* status, MStatus value) {
    if (status)
        *status = value;
    return value;
}

bool isMesh(const Iteration& it) {
    return it.object.hasFn(MFn::kMesh) || it.object.hasFn(MFn::kMeshData);
}

MStatus readPoints(const Iteration& it, MPointArray& points, MSpace::Space space) {
    const bool byPath = it.path.isValid();
    if (isMesh(it)) {
        MFnMesh fn = byPath ? MFnMesh(it.path) : MFnMesh(it.object);
        return fn.getPoints(points, space);
    }
    MFnNurbsCurve fn = byPath ? MFnNurbsCurve(it.path) : MFnNurbsCurve(it.object);
    return fn.getCVs(points, space);
}

MStatus writePoints(const Iteration& it, MPointArray& points, MSpace::Space space) {
    if (it.readOnly)
        return MS::kFailure;
    if (isMesh(it)) {
        MFnMesh fn(it.object);
        return fn.setPoints(points, space);
    }
    MFnNurbsCurve fn(it.object);
    return fn.setCVs(points, space);
}

void* start(const MObject& object, const MDagPath& path, bool readOnly, MStatus* status) {
    auto* it = new Iteration{object, path, readOnly, 0};
    bool ok = object.hasFn(MFn::kMesh) || object.hasFn(MFn::kMeshData) ||
              object.hasFn(MFn::kNurbsCurve) || object.hasFn(MFn::kNurbsCurveData);
    report(status, ok ? MS::kSuccess : MS::kInvalidParameter);
    return it;
}

} // namespace

MItGeometry::MItGeometry(const MDagPath& dagPath, MStatus* ReturnStatus)
    : fPtr(start(dagPath.node(), dagPath, false, ReturnStatus)) {}

// Components are not modelled: the iteration covers every point.
MItGeometry::MItGeometry(const MDagPath& dagPath, MObject&, MStatus* ReturnStatus)
    : fPtr(start(dagPath.node(), dagPath, false, ReturnStatus)) {}

MItGeometry::MItGeometry(MObject& dagObject, MStatus* ReturnStatus)
    : fPtr(start(dagObject, MDagPath(), false, ReturnStatus)) {}

MItGeometry::MItGeometry(MDataHandle& dataHandle, unsigned int, bool readOnly,
                         MStatus* ReturnStatus)
    : fPtr(start(dataHandle.data(), MDagPath(), readOnly, ReturnStatus)) {}

MItGeometry::MItGeometry(MDataHandle& dataHandle, bool readOnly, MStatus* ReturnStatus)
    : fPtr(start(dataHandle.data(), MDagPath(), readOnly, ReturnStatus)) {}

MItGeometry::~MItGeometry() {
    delete static_cast<Iteration*>(fPtr);
}

bool MItGeometry::isDone(MStatus* ReturnStatus) const {
    return state(fPtr).index >= count(ReturnStatus);
}

MStatus MItGeometry::next() {
    ++state(fPtr).index;
    return MS::kSuccess;
}

MStatus MItGeometry::reset() {
    state(fPtr).index = 0;
    return MS::kSuccess;
}

MPoint MItGeometry::position(MSpace::Space space, MStatus* ReturnStatus) const {
    MPointArray points;
    MStatus status = readPoints(state(fPtr), points, space);
    int i = state(fPtr).index;
    if (!status || i >= static_cast<int>(points.length())) {
        report(ReturnStatus, MS::kFailure);
        return MPoint();
    }
    report(ReturnStatus, MS::kSuccess);
    return points[i];
}

// Mesh vertices have their angle-weighted normal; curve CVs have none.
MVector MItGeometry::normal(MSpace::Space space, MStatus* ReturnStatus) const {
    const Iteration& it = state(fPtr);
    MFloatVectorArray normals;
    MFnMesh fn;
    if (!isMesh(it) || !fn.setObject(it.object) || !fn.getVertexNormals(true, normals, space) ||
        it.index >= static_cast<int>(normals.length())) {
        report(ReturnStatus, MS::kFailure);
        return MVector();
    }
    report(ReturnStatus, MS::kSuccess);
    return MVector(normals[it.index]);
}

MStatus MItGeometry::setPosition(const MPoint& point, MSpace::Space space) {
    MPointArray points;
    MStatus status = readPoints(state(fPtr), points, space);
    int i = state(fPtr).index;
    if (!status || i >= static_cast<int>(points.length()))
        return MS::kFailure;
    points[i] = point;
    return writePoints(state(fPtr), points, space);
}

int MItGeometry::index(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return state(fPtr).index;
}

int MItGeometry::count(MStatus* ReturnStatus) const {
    MPointArray points;
    MStatus status = readPoints(state(fPtr), points, MSpace::kObject);
    report(ReturnStatus, status);
    return status ? static_cast<int>(points.length()) : 0;
}

int MItGeometry::exactCount(MStatus* ReturnStatus) {
    return count(ReturnStatus);
}

MStatus MItGeometry::allPositions(MPointArray& points, MSpace::Space space) const {
    return readPoints(state(fPtr), points, space);
}

MStatus MItGeometry::setAllPositions(const MPointArray& points, MSpace::Space space) {
    MPointArray copy(points);
    return writePoints(state(fPtr), copy, space);
}

// The stand-in has no component objects; the current point is identified by index().
MObject MItGeometry::currentItem(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kNotImplemented);
    return MObject();
}
