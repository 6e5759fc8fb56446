#include <maya/MFnMeshData.h>

#include "scene/geometry_data.h"

MFnMeshData::MFnMeshData() = default;
MFnMeshData::MFnMeshData(MObject& object, MStatus* ReturnStatus) {
    MStatus status = attach(object);
    if (ReturnStatus)
        *ReturnStatus = status;
}
MFnMeshData::MFnMeshData(const MObject& object, MStatus* ReturnStatus) {
    MStatus status = attach(object);
    if (ReturnStatus)
        *ReturnStatus = status;
}
MFnMeshData::~MFnMeshData() = default;

MFn::Type MFnMeshData::type() const {
    return MFn::kMeshData;
}

MObject MFnMeshData::create(MStatus* ReturnStatus) {
    fObject = scene::newMeshData();
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return fObject;
}
