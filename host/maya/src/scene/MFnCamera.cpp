#include <maya/MFnCamera.h>

#include "scene/builtin_camera.h"
#include "scene/dag.h"

#include <maya/MPlug.h>

#include <cmath>

namespace {

const double kMillimetresPerInch = 25.4;

MStatus report(MStatus* status, MStatus value) {
    if (status)
        *status = value;
    return value;
}

// The camera shape an object stands for: itself, or the camera shape under a transform.
MObject cameraShapeOf(const MObject& object) {
    if (object.hasFn(MFn::kCamera))
        return object;
    if (scene::isTransformNode(object))
        for (const MObject& child : scene::dagChildren(object))
            if (child.hasFn(MFn::kCamera))
                return child;
    return MObject();
}

} // namespace

MFnCamera::MFnCamera() = default;
MFnCamera::MFnCamera(MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}
MFnCamera::MFnCamera(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}
// A path to the camera's transform is extended to the camera shape.
MFnCamera::MFnCamera(const MDagPath& path, MStatus* ReturnStatus) {
    MStatus status = setObject(path.node());
    if (status) {
        fPath = path;
        if (!path.hasFn(MFn::kCamera))
            fPath.push(fObject);
    }
    report(ReturnStatus, status);
}
MFnCamera::~MFnCamera() = default;

MFn::Type MFnCamera::type() const {
    return MFn::kCamera;
}

MStatus MFnCamera::setObject(MObject& object) {
    return setObject(static_cast<const MObject&>(object));
}

MStatus MFnCamera::setObject(const MObject& object) {
    fPath = MDagPath();
    fObject = cameraShapeOf(object);
    return fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess;
}

namespace {

double readDouble(const MObject& node, const MObject& attribute, MStatus* status) {
    if (node.isNull()) {
        report(status, MS::kInvalidParameter);
        return 0.0;
    }
    report(status, MS::kSuccess);
    return MPlug(node, attribute).asDouble();
}

} // namespace

using scene::CameraShape;

MPoint MFnCamera::eyePoint(MSpace::Space space, MStatus* ReturnStatus) const {
    report(ReturnStatus, fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    return space == MSpace::kWorld ? MPoint::origin * dagPath().inclusiveMatrix() : MPoint::origin;
}

MVector MFnCamera::viewDirection(MSpace::Space space, MStatus* ReturnStatus) const {
    report(ReturnStatus, fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    MVector direction(0.0, 0.0, -1.0);
    return space == MSpace::kWorld ? (direction * dagPath().inclusiveMatrix()).normal() : direction;
}

MVector MFnCamera::upDirection(MSpace::Space space, MStatus* ReturnStatus) const {
    report(ReturnStatus, fObject.isNull() ? MS::kInvalidParameter : MS::kSuccess);
    MVector up(0.0, 1.0, 0.0);
    return space == MSpace::kWorld ? (up * dagPath().inclusiveMatrix()).normal() : up;
}

bool MFnCamera::isOrtho(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::orthographic, ReturnStatus) != 0.0;
}

double MFnCamera::orthoWidth(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::orthographicWidth, ReturnStatus);
}

double MFnCamera::overscan(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::overscan, ReturnStatus);
}

double MFnCamera::nearClippingPlane(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::nearClipPlane, ReturnStatus);
}

double MFnCamera::farClippingPlane(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::farClipPlane, ReturnStatus);
}

double MFnCamera::horizontalFilmAperture(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::horizontalFilmAperture, ReturnStatus);
}

double MFnCamera::verticalFilmAperture(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::verticalFilmAperture, ReturnStatus);
}

double MFnCamera::aspectRatio(MStatus* ReturnStatus) const {
    double v = verticalFilmAperture(ReturnStatus);
    return v != 0.0 ? horizontalFilmAperture() / v : 0.0;
}

MFnCamera::FilmFit MFnCamera::filmFit(MStatus* ReturnStatus) const {
    if (fObject.isNull()) {
        report(ReturnStatus, MS::kInvalidParameter);
        return kInvalid;
    }
    report(ReturnStatus, MS::kSuccess);
    int fit = MPlug(fObject, CameraShape::filmFit).asInt();
    return fit >= kFillFilmFit && fit <= kOverscanFilmFit ? static_cast<FilmFit>(fit) : kInvalid;
}

double MFnCamera::lensSqueezeRatio(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::lensSqueezeRatio, ReturnStatus);
}

double MFnCamera::focalLength(MStatus* ReturnStatus) const {
    return readDouble(fObject, CameraShape::focalLength, ReturnStatus);
}

double MFnCamera::horizontalFieldOfView(MStatus* ReturnStatus) const {
    double aperture = horizontalFilmAperture(ReturnStatus) * lensSqueezeRatio();
    return 2.0 * std::atan(0.5 * aperture * kMillimetresPerInch / focalLength());
}

double MFnCamera::verticalFieldOfView(MStatus* ReturnStatus) const {
    double aperture = verticalFilmAperture(ReturnStatus);
    return 2.0 * std::atan(0.5 * aperture * kMillimetresPerInch / focalLength());
}

// The camera's own frustum (film aperture, no viewport fitting), for row vectors as the host
// multiplies them: clip = p * M.
MFloatMatrix MFnCamera::projectionMatrix(MStatus* ReturnStatus) const {
    const double n = nearClippingPlane(ReturnStatus), f = farClippingPlane();
    double halfW, halfH;
    float m[4][4] = {};
    if (isOrtho()) {
        halfW = 0.5 * orthoWidth();
        halfH = halfW / aspectRatio();
        m[0][0] = static_cast<float>(1.0 / halfW);
        m[1][1] = static_cast<float>(1.0 / halfH);
        m[2][2] = static_cast<float>(-2.0 / (f - n));
        m[3][2] = static_cast<float>(-(f + n) / (f - n));
        m[3][3] = 1.0f;
    } else {
        halfW = std::tan(0.5 * horizontalFieldOfView()) * n;
        halfH = std::tan(0.5 * verticalFieldOfView()) * n;
        m[0][0] = static_cast<float>(n / halfW);
        m[1][1] = static_cast<float>(n / halfH);
        m[2][2] = static_cast<float>(-(f + n) / (f - n));
        m[2][3] = -1.0f;
        m[3][2] = static_cast<float>(-2.0 * f * n / (f - n));
    }
    return MFloatMatrix(m);
}
