#include "object.h"

#include <algorithm>

namespace mcore {

bool Object::hasFn(MFn::Type type) const {
    if (type == MFn::kBase)
        return true;
    const std::vector<MFn::Type> types = fnTypes();
    return std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace mcore

namespace {

void retain(void* ptr) {
    if (ptr)
        static_cast<mcore::Object*>(ptr)->refs.fetch_add(1, std::memory_order_relaxed);
}

void release(void* ptr) {
    if (!ptr)
        return;
    auto* object = static_cast<mcore::Object*>(ptr);
    if (object->refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete object;
}

} // namespace

MObject MObjectAccess::make(mcore::Object* object) {
    MObject result;
    result.fPtr = object;
    retain(object);
    return result;
}

MObject MObject::kNullObj;

MObject::MObject() : fPtr(nullptr) {}

MObject::MObject(const MObject& other) : fPtr(other.fPtr) {
    retain(fPtr);
}

MObject::~MObject() {
    release(fPtr);
}

MObject& MObject::operator=(const MObject& other) {
    if (fPtr != other.fPtr) {
        retain(other.fPtr);
        release(fPtr);
        fPtr = other.fPtr;
    }
    return *this;
}

bool MObject::operator==(const MObject& other) const {
    return fPtr == other.fPtr;
}

bool MObject::operator!=(const MObject& other) const {
    return fPtr != other.fPtr;
}

bool MObject::isNull() const {
    return fPtr == nullptr;
}

MFn::Type MObject::apiType() const {
    return fPtr ? static_cast<mcore::Object*>(fPtr)->apiType() : MFn::kInvalid;
}

const char* MObject::apiTypeStr() const {
    switch (apiType()) {
    case MFn::kInvalid:
        return "kInvalid";
    case MFn::kPluginLocatorNode:
        return "kPluginLocatorNode";
    case MFn::kPluginDeformerNode:
        return "kPluginDeformerNode";
    case MFn::kPluginDependNode:
        return "kPluginDependNode";
    case MFn::kTransform:
        return "kTransform";
    case MFn::kCamera:
        return "kCamera";
    case MFn::kMesh:
        return "kMesh";
    case MFn::kNurbsCurve:
        return "kNurbsCurve";
    case MFn::kMeshData:
        return "kMeshData";
    case MFn::kNurbsCurveData:
        return "kNurbsCurveData";
    default:
        return hasFn(MFn::kAttribute) ? "kAttribute" : (hasFn(MFn::kData) ? "kData" : "kBase");
    }
}

bool MObject::hasFn(MFn::Type fs) const {
    return fPtr && static_cast<mcore::Object*>(fPtr)->hasFn(fs);
}
