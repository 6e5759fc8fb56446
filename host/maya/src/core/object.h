#pragma once
// Reference-counted host objects behind MObject: nodes, attributes, data, plug-ins.
#include <maya/MFn.h>
#include <maya/MObject.h>

#include <atomic>
#include <initializer_list>
#include <vector>

namespace mcore {

class Object {
public:
    virtual ~Object() = default;
    // Most derived type first, then its bases.
    virtual std::vector<MFn::Type> fnTypes() const = 0;
    MFn::Type apiType() const { return fnTypes().front(); }
    bool hasFn(MFn::Type type) const;

    std::atomic<int> refs{0};
};

} // namespace mcore

// MObject's friend: wraps host objects into MObjects and back.
struct MObjectAccess {
    static mcore::Object* get(const MObject& object) {
        return static_cast<mcore::Object*>(object.fPtr);
    }
    static MObject make(mcore::Object* object);
};

namespace mcore {

template <class T> T* objectAs(const MObject& object) {
    return dynamic_cast<T*>(MObjectAccess::get(object));
}

} // namespace mcore
