#pragma once
// Function set of NURBS curves (a curve shape, a path to it, or curve data).
#include <maya/MDoubleArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MPointArray.h>

class MFnNurbsCurve : public MFnDagNode {
public:
    enum Form { kInvalid = 0, kOpen, kClosed, kPeriodic, kLast };

    MFnNurbsCurve();
    MFnNurbsCurve(MObject& object, MStatus* ReturnStatus = NULL);
    MFnNurbsCurve(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnNurbsCurve(const MDagPath& path, MStatus* ReturnStatus = NULL);
    virtual ~MFnNurbsCurve();
    MFn::Type type() const override;
    MStatus setObject(MObject& object) override;
    MStatus setObject(const MObject& object) override;

    // With parentOrOwner a curve data object, fills it; otherwise creates a curve shape under it.
    MObject create(const MPointArray& controlVertices, const MDoubleArray& knotSequences,
                   unsigned int degree, Form form, bool create2D, bool createRational,
                   const MObject& parentOrOwner = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    MObject createWithEditPoints(const MPointArray& editPoints, unsigned int degree, Form form,
                                 bool create2D, bool createRational, bool uniformParam,
                                 const MObject& parentOrOwner = MObject::kNullObj,
                                 MStatus* ReturnStatus = NULL);

    MStatus getCVs(MPointArray& array, MSpace::Space space = MSpace::kObject) const;
    MStatus setCVs(const MPointArray& array, MSpace::Space space = MSpace::kObject);
    MStatus getCV(unsigned int index, MPoint& pt, MSpace::Space space = MSpace::kObject) const;
    MStatus getKnots(MDoubleArray& array) const;
    int numCVs(MStatus* ReturnStatus = NULL) const;
    int numSpans(MStatus* ReturnStatus = NULL) const;
    int numKnots(MStatus* ReturnStatus = NULL) const;
    int degree(MStatus* ReturnStatus = NULL) const;
    Form form(MStatus* ReturnStatus = NULL) const;
};
