#pragma once
// How the mesh and curve function sets reach their geometry: attached to data, they read and
// edit it in place (a deformer edits its output this way); attached to a shape, they read the
// shape's output and edit its stored geometry, which fails while another node feeds the shape.
#include "core/internal.h"
#include "scene/dag.h"

#include <maya/MDagPath.h>
#include <maya/MMatrix.h>
#include <maya/MPlug.h>

namespace scene {

struct ShapeGeometryAttributes {
    MObject output; // read: "outMesh" / "local"
    MObject stored; // edited: "inMesh" / "cached"
    MObject fed;    // edits fail while this is connected: "inMesh" / "create"
};

// Attaches a mesh or curve function set: to a shape of `shapeType` or to data of `Data`.
template <class Data>
MStatus attachGeometry(const MObject& object, MFn::Type shapeType, MObject& fnObject,
                       MDagPath& fnPath) {
    fnPath = MDagPath();
    const bool ok = object.hasFn(shapeType) || mcore::dataObject<Data>(object);
    fnObject = ok ? object : MObject();
    return ok ? MS::kSuccess : MS::kInvalidParameter;
}

// The same through a path to the shape or to its transform; the set keeps the shape's path.
template <class Data>
MStatus attachGeometryPath(const MDagPath& path, MFn::Type shapeType, MObject& fnObject,
                           MDagPath& fnPath) {
    MDagPath shape = path;
    MStatus status = shape.extendToShape();
    if (status)
        status = attachGeometry<Data>(shape.node(), shapeType, fnObject, fnPath);
    if (status)
        fnPath = shape;
    return status;
}

template <class Data>
const Data* readGeometry(const MObject& object, const ShapeGeometryAttributes& attrs,
                         MObject& holder) {
    holder = object.hasFn(MFn::kDagNode) ? MPlug(object, attrs.output).asMObject() : object;
    return mcore::dataObject<Data>(holder);
}

// World matrix of the geometry: the shape's path, or the matrix the data carries.
template <class Data>
MMatrix geometryWorldMatrix(const MObject& object, const MDagPath& path, const Data* data) {
    if (!object.hasFn(MFn::kDagNode))
        return data ? data->matrix : MMatrix();
    if (path.isValid() && path.node() == object)
        return path.inclusiveMatrix();
    return pathMatrix(dagPathTo(object));
}

template <class Data, class Edit>
MStatus editGeometry(const MObject& object, const ShapeGeometryAttributes& attrs, Edit edit) {
    if (!object.hasFn(MFn::kDagNode)) {
        Data* data = mcore::dataObject<Data>(object);
        return data ? edit(*data) : MStatus(MS::kInvalidParameter);
    }
    if (MPlug(object, attrs.fed).isDestination())
        return MS::kFailure;
    MObject holder;
    MObject copy = mcore::cloneData(readGeometry<Data>(object, attrs, holder) ? holder : MObject());
    Data* data = mcore::dataObject<Data>(copy);
    if (!data)
        return MS::kFailure;
    data->matrix = MMatrix();
    MStatus status = edit(*data);
    if (status)
        status = MPlug(object, attrs.stored).setValue(copy);
    return status;
}

} // namespace scene
