// MPxDrawOverride's defaults, MUserData and MGeometryUtilities.
#include "viewport/scene_access.h"

#include <maya/MHWGeometryUtilities.h>
#include <maya/MPxDrawOverride.h>

#include <limits>

namespace MHWRender {

MPxDrawOverride::MPxDrawOverride(const MObject&, GeometryDrawOverrideCb callback,
                                 bool isAlwaysDirty)
    : fCallback(callback), fIsAlwaysDirty(isAlwaysDirty) {}

MPxDrawOverride::~MPxDrawOverride() = default;

DrawAPI MPxDrawOverride::supportedDrawAPIs() const {
    return kOpenGL;
}

bool MPxDrawOverride::hasUIDrawables() const {
    return false;
}

MMatrix MPxDrawOverride::transform(const MDagPath& objPath, const MDagPath&) const {
    return objPath.inclusiveMatrix();
}

MBoundingBox MPxDrawOverride::boundingBox(const MDagPath&, const MDagPath&) const {
    // Large enough never to be culled.
    const double huge = std::numeric_limits<float>::max();
    return MBoundingBox(MPoint(-huge, -huge, -huge), MPoint(huge, huge, huge));
}

bool MPxDrawOverride::isBounded(const MDagPath&, const MDagPath&) const {
    return true;
}

bool MPxDrawOverride::disableInternalBoundingBoxDraw() const {
    return false;
}

bool MPxDrawOverride::excludedFromPostEffects() const {
    return true;
}

bool MPxDrawOverride::isTransparent() const {
    return false;
}

void MPxDrawOverride::addUIDrawables(const MDagPath&, MUIDrawManager&, const MFrameContext&,
                                     const MUserData*) {}

const char* MPxDrawOverride::className() {
    return "MPxDrawOverride";
}

DisplayStatus MGeometryUtilities::displayStatus(const MDagPath& path, MStatus* returnStatus) {
    const bool valid = path.isValid();
    if (returnStatus)
        *returnStatus = valid ? MS::kSuccess : MS::kFailure;
    if (!valid)
        return kNoStatus;
    // The legacy viewport's status for the same selection, by the same numbers.
    return static_cast<DisplayStatus>(hostkit::detail::displayStatusOf(path));
}

const char* MGeometryUtilities::className() {
    return "MGeometryUtilities";
}

} // namespace MHWRender

MUserData::MUserData(bool deleteAfterUse) : fDeleteAfterUse(deleteAfterUse) {}
MUserData::~MUserData() = default;

bool MUserData::deleteAfterUse() {
    return fDeleteAfterUse;
}

void MUserData::setDeleteAfterUse(bool shouldDelete) {
    fDeleteAfterUse = shouldDelete;
}

const char* MUserData::className() {
    return "MUserData";
}
