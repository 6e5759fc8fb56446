#include "viewport_impl.h"

#include <maya/M3dView.h>

#include <cmath>
#include <limits>

namespace {

hostkit::Viewport* viewportOf(void* ptr) {
    return hostkit::detail::isLiveViewport(ptr) ? static_cast<hostkit::Viewport*>(ptr) : nullptr;
}

void setStatus(MStatus* status, bool ok) {
    if (status)
        *status = ok ? MStatus(MStatus::kSuccess) : MStatus(MStatus::kFailure);
}

// World space to clip space of the view's camera.
MMatrix worldToClip(const hostkit::Viewport& viewport) {
    return viewport.viewMatrix() * viewport.projectionMatrix();
}

// The world point at port pixel (x, y) and window depth 0..1.
MPoint unproject(const hostkit::Viewport& viewport, const MMatrix& clipToWorld, short x, short y,
                 double depth) {
    const MPoint ndc(2.0 * x / viewport.width() - 1.0, 2.0 * y / viewport.height() - 1.0,
                     2.0 * depth - 1.0);
    MPoint world = ndc * clipToWorld;
    world.cartesianize();
    return world;
}

short toShort(double value) {
    const double clamped = std::fmax(std::numeric_limits<short>::min(),
                                     std::fmin(std::numeric_limits<short>::max(), value));
    return static_cast<short>(std::lround(clamped));
}

} // namespace

M3dView::M3dView() : fPtr(nullptr) {}
M3dView::M3dView(const M3dView& other) = default;
M3dView& M3dView::operator=(const M3dView& other) = default;
M3dView::~M3dView() = default;

M3dView M3dView::active3dView(MStatus* ReturnStatus) {
    hostkit::Viewport* viewport = hostkit::detail::activeViewport();
    setStatus(ReturnStatus, viewport != nullptr);
    return viewport ? viewport->view() : M3dView();
}

M3dView::DisplayStatus M3dView::displayStatus(const MDagPath& path, MStatus* ReturnStatus) {
    const bool ok = path.isValid();
    setStatus(ReturnStatus, ok);
    return ok ? hostkit::detail::displayStatusOf(path) : kNoStatus;
}

MStatus M3dView::beginGL() {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    if (!viewport)
        return MStatus::kFailure;
    if (hostkit::LocatorDraw* draw = viewport->impl_->drawing)
        ++draw->beginGLCalls;
    return MStatus::kSuccess;
}

MStatus M3dView::endGL() {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    if (!viewport)
        return MStatus::kFailure;
    if (hostkit::LocatorDraw* draw = viewport->impl_->drawing)
        ++draw->endGLCalls;
    return MStatus::kSuccess;
}

M3dView::DisplayStyle M3dView::displayStyle(MStatus* ReturnStatus) const {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    setStatus(ReturnStatus, viewport != nullptr);
    return viewport ? viewport->displayStyle() : kWireFrame;
}

MStatus M3dView::getCamera(MDagPath& camera) {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    if (!viewport)
        return MStatus::kFailure;
    camera = viewport->camera();
    return MStatus::kSuccess;
}

int M3dView::portWidth(MStatus* ReturnStatus) {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    setStatus(ReturnStatus, viewport != nullptr);
    return viewport ? viewport->width() : 0;
}

int M3dView::portHeight(MStatus* ReturnStatus) {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    setStatus(ReturnStatus, viewport != nullptr);
    return viewport ? viewport->height() : 0;
}

MStatus M3dView::viewToWorld(short x_pos, short y_pos, MPoint& nearClipPt,
                             MPoint& farClipPt) const {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    if (!viewport)
        return MStatus::kFailure;
    const MMatrix clipToWorld = worldToClip(*viewport).inverse();
    nearClipPt = unproject(*viewport, clipToWorld, x_pos, y_pos, 0.0);
    farClipPt = unproject(*viewport, clipToWorld, x_pos, y_pos, hostkit::detail::kFarPointDepth);
    return MStatus::kSuccess;
}

MStatus M3dView::viewToWorld(short x_pos, short y_pos, MPoint& worldPt,
                             MVector& worldVector) const {
    MPoint farPt;
    const MStatus status = viewToWorld(x_pos, y_pos, worldPt, farPt);
    if (status)
        worldVector = (farPt - worldPt).normal();
    return status;
}

bool M3dView::worldToView(const MPoint& worldPt, short& x_pos, short& y_pos,
                          MStatus* ReturnStatus) const {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    setStatus(ReturnStatus, viewport != nullptr);
    if (!viewport)
        return false;
    const MPoint clip = worldPt * worldToClip(*viewport);
    if (!(clip.w > 0.0))
        return false; // behind the camera: no pixel
    const double nx = clip.x / clip.w, ny = clip.y / clip.w, nz = clip.z / clip.w;
    x_pos = toShort((nx + 1.0) * 0.5 * viewport->width());
    y_pos = toShort((ny + 1.0) * 0.5 * viewport->height());
    return std::fabs(nx) <= 1.0 && std::fabs(ny) <= 1.0 && std::fabs(nz) <= 1.0;
}

MStatus M3dView::modelViewMatrix(MMatrix& modelView) const {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    if (!viewport)
        return MStatus::kFailure;
    modelView = viewport->viewMatrix();
    return MStatus::kSuccess;
}

MStatus M3dView::projectionMatrix(MMatrix& projection) const {
    hostkit::Viewport* viewport = viewportOf(fPtr);
    if (!viewport)
        return MStatus::kFailure;
    projection = viewport->projectionMatrix();
    return MStatus::kSuccess;
}
