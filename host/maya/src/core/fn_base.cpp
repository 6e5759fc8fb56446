#include <maya/MFnBase.h>

MFnBase::MFnBase() = default;
MFnBase::~MFnBase() = default;

MFn::Type MFnBase::type() const {
    return MFn::kBase;
}

bool MFnBase::hasObj(MFn::Type fnType) const {
    return fObject.hasFn(fnType);
}

bool MFnBase::hasObj(const MObject& object) const {
    return object.hasFn(type());
}

MObject MFnBase::object(MStatus* ReturnStatus) const {
    if (ReturnStatus)
        *ReturnStatus = fObject.isNull() ? MS::kFailure : MS::kSuccess;
    return fObject;
}

MStatus MFnBase::setObject(MObject& object) {
    return attach(object);
}

MStatus MFnBase::setObject(const MObject& object) {
    return attach(object);
}

MStatus MFnBase::attach(const MObject& object) {
    if (object.isNull() || !object.hasFn(type())) {
        fObject = MObject();
        return MS::kInvalidParameter;
    }
    fObject = object;
    return MS::kSuccess;
}
