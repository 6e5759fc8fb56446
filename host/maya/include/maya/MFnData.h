#pragma once
// Base function set of data objects (the values of typed attributes).
#include <maya/MFnBase.h>

class MFnData : public MFnBase {
public:
    enum Type {
        kInvalid,
        kNumeric,
        kPlugin,
        kPluginGeometry,
        kString,
        kMatrix,
        kStringArray,
        kDoubleArray,
        kFloatArray,
        kIntArray,
        kPointArray,
        kVectorArray,
        kMatrixArray,
        kComponentList,
        kMesh,
        kLattice,
        kNurbsCurve,
        kNurbsSurface,
        kSphere,
        kDynArrayAttrs,
        kDynSweptGeometry,
        kSubdSurface,
        kNObject,
        kNId,
        kAny,
        kLast
    };

    MFnData();
    MFnData(MObject& object, MStatus* ReturnStatus = NULL);
    MFnData(const MObject& object, MStatus* ReturnStatus = NULL);
    virtual ~MFnData();
    MFn::Type type() const override;
};
