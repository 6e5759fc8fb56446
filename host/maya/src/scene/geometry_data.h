#pragma once
// Mesh and NURBS-curve data objects: the values that flow through "inMesh"/"outMesh" and
// "create"/"local"/"worldSpace". Data taken from a shape's world-space output carries the
// shape's world matrix; the points themselves stay in object space, so kWorld reads apply the
// matrix and kWorld writes remove it.
#include "core/internal.h"
#include "scene/curve_geometry.h"
#include "scene/mesh_geometry.h"

#include <maya/MMatrix.h>

#include <memory>

namespace scene {

class MeshData : public mcore::DataObject {
public:
    MeshGeometry mesh;
    MMatrix matrix; // identity unless taken from a world-space output

    MFnData::Type dataType() const override { return MFnData::kMesh; }
    MFn::Type apiType() const override { return MFn::kMeshData; }
    std::shared_ptr<mcore::DataObject> clone() const override {
        return std::make_shared<MeshData>(*this);
    }
    MMatrix worldMatrix() const override { return matrix; }
};

class CurveData : public mcore::DataObject {
public:
    CurveGeometry curve;
    bool valid = false; // an empty data object holds no curve until one is created into it
    MMatrix matrix;

    MFnData::Type dataType() const override { return MFnData::kNurbsCurve; }
    MFn::Type apiType() const override { return MFn::kNurbsCurveData; }
    std::shared_ptr<mcore::DataObject> clone() const override {
        return std::make_shared<CurveData>(*this);
    }
    MMatrix worldMatrix() const override { return matrix; }
};

MObject newMeshData(const MeshGeometry& mesh = MeshGeometry(), const MMatrix& matrix = MMatrix());
MObject newCurveData(const CurveGeometry* curve = nullptr, const MMatrix& matrix = MMatrix());

} // namespace scene
