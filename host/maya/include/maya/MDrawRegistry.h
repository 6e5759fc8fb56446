#pragma once
// Viewport 2.0 registry of draw overrides by draw classification. A node type registered with a
// classification that starts with "drawdb/geometry" is drawn by the creator registered for the
// most specific matching classification ("drawdb/geometry/a" also serves
// "drawdb/geometry/a/b"); for one classification the latest registrant wins.
#include <maya/MObject.h>
#include <maya/MPxDrawOverride.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

namespace MHWRender {

class MDrawRegistry {
public:
    typedef MPxDrawOverride* (*DrawOverrideCreator)(const MObject& obj);

    // kInvalidParameter for an empty classification or registrant, a null creator, or a pair
    // already registered.
    static MStatus registerDrawOverrideCreator(const MString& drawClassification,
                                               const MString& registrantId,
                                               DrawOverrideCreator creator);
    // kFailure when the pair is not registered.
    static MStatus deregisterDrawOverrideCreator(const MString& drawClassification,
                                                 const MString& registrantId);

    static const char* className();

private:
    MDrawRegistry() = delete;
};

} // namespace MHWRender
