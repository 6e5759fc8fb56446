#include "scene/builtin_camera.h"

#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/units.h"

#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

#include <utility>

namespace scene {

MObject CameraShape::focalLength;
MObject CameraShape::cameraAperture;
MObject CameraShape::horizontalFilmAperture;
MObject CameraShape::verticalFilmAperture;
MObject CameraShape::filmFit;
MObject CameraShape::overscan;
MObject CameraShape::lensSqueezeRatio;
MObject CameraShape::nearClipPlane;
MObject CameraShape::farClipPlane;
MObject CameraShape::orthographic;
MObject CameraShape::orthographicWidth;
MObject CameraShape::centerOfInterest;
MObject CameraShape::renderable;

namespace {

MObject number(const char* longName, const char* shortName, MFnNumericData::Type type, double value,
               double minimum) {
    MFnNumericAttribute fn;
    MObject attribute = fn.create(longName, shortName, type, value);
    fn.setKeyable(true);
    if (minimum >= 0.0)
        fn.setMin(minimum);
    return attribute;
}

MObject number(const char* longName, const char* shortName, double value) {
    return number(longName, shortName, MFnNumericData::kDouble, value, -1.0);
}

} // namespace

void* CameraShape::creator() {
    return new CameraShape();
}

MStatus CameraShape::initialize() {
    focalLength = number("focalLength", "fl", MFnNumericData::kDouble, 35.0, 2.5);
    horizontalFilmAperture = number("horizontalFilmAperture", "hfa", 1.41732);
    verticalFilmAperture = number("verticalFilmAperture", "vfa", 0.94488);
    MFnNumericAttribute compound;
    cameraAperture =
        compound.create("cameraAperture", "cap", horizontalFilmAperture, verticalFilmAperture);

    MFnEnumAttribute fit;
    filmFit = fit.create("filmFit", "ff", 1);
    fit.addField("Fill", 0);
    fit.addField("Horizontal", 1);
    fit.addField("Vertical", 2);
    fit.addField("Overscan", 3);

    overscan = number("overscan", "ovr", 1.0);
    lensSqueezeRatio = number("lensSqueezeRatio", "lsr", 1.0);
    nearClipPlane = number("nearClipPlane", "ncp", 0.1);
    farClipPlane = number("farClipPlane", "fcp", 10000.0);
    orthographic = number("orthographic", "o", MFnNumericData::kBoolean, 0.0, -1.0);
    orthographicWidth = number("orthographicWidth", "ow", 30.0);
    centerOfInterest = number("centerOfInterest", "coi", 5.0);
    renderable = number("renderable", "rnd", MFnNumericData::kBoolean, 1.0, -1.0);
    for (const MObject& distance :
         {nearClipPlane, farClipPlane, orthographicWidth, centerOfInterest})
        declareUnit(distance, UnitKind::Distance);

    for (const MObject& attribute :
         {focalLength, cameraAperture, filmFit, overscan, lensSqueezeRatio, nearClipPlane,
          farClipPlane, orthographic, orthographicWidth, centerOfInterest, renderable})
        addAttribute(attribute);
    // The names of the images a render writes, and the command that frames the view: kept so
    // that scenes keep them.
    MFnTypedAttribute text;
    for (const auto& [longName, shortName] :
         {std::pair{"imageName", "imn"}, std::pair{"depthName", "den"},
          std::pair{"maskName", "man"}, std::pair{"homeCommand", "hc"}})
        addAttribute(text.create(longName, shortName, MFnData::kString));
    return mcore::addDagAttributes();
}

void registerCameraType() {
    mcore::registerBuiltinNodeType(
        "camera", MTypeId(kCameraId), CameraShape::creator, CameraShape::initialize,
        MPxNode::kDependNode, {MFn::kCamera, MFn::kShape, MFn::kDagNode, MFn::kDependencyNode});
}

} // namespace scene
