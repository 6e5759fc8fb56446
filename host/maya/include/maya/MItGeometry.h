#pragma once
// Iterator over the points of a geometry (mesh vertices, curve CVs).
#include <maya/MDagPath.h>
#include <maya/MDataHandle.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MVector.h>

class MItGeometry {
public:
    MItGeometry(const MDagPath& dagPath, MStatus* ReturnStatus = NULL);
    MItGeometry(const MDagPath& dagPath, MObject& component, MStatus* ReturnStatus = NULL);
    MItGeometry(MObject& dagObject, MStatus* ReturnStatus = NULL);
    MItGeometry(MDataHandle& dataHandle, unsigned int groupId, bool readOnly = true,
                MStatus* ReturnStatus = NULL);
    MItGeometry(MDataHandle& dataHandle, bool readOnly = true, MStatus* ReturnStatus = NULL);
    virtual ~MItGeometry();

    bool isDone(MStatus* ReturnStatus = NULL) const;
    MStatus next();
    MStatus reset();
    MPoint position(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL) const;
    MVector normal(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL) const;
    MStatus setPosition(const MPoint& point, MSpace::Space space = MSpace::kObject);
    int index(MStatus* ReturnStatus = NULL) const;
    int count(MStatus* ReturnStatus = NULL) const;
    int exactCount(MStatus* ReturnStatus = NULL);
    MStatus allPositions(MPointArray& points, MSpace::Space space = MSpace::kObject) const;
    MStatus setAllPositions(const MPointArray& points, MSpace::Space space = MSpace::kObject);
    MObject currentItem(MStatus* ReturnStatus = NULL) const;

private:
    MItGeometry(const MItGeometry&) = delete;
    MItGeometry& operator=(const MItGeometry&) = delete;
    void* fPtr; // the geometry and the iteration state
};
