#pragma once
// Mesh geometry data: the value carried by mesh attributes ("inMesh", "outMesh").
#include <maya/MFnData.h>

class MFnMeshData : public MFnData {
public:
    MFnMeshData();
    MFnMeshData(MObject& object, MStatus* ReturnStatus = NULL);
    MFnMeshData(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnMeshData();
    MFn::Type type() const override;

    // A new, empty mesh data object; MFnMesh::create can fill it.
    MObject create(MStatus* ReturnStatus = NULL);
};
