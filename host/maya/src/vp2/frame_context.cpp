// MFrameContext and MDrawContext over the host's frame description.
#include "frame_data.h"

namespace {

using MHWRender::MFrameContext;

const mvp2::FrameData& frameOf(const MFrameContext& context) {
    return hostkit::FrameContextAccess::data(context);
}

void setStatus(MStatus* status, MStatus::MStatusCode code) {
    if (status)
        *status = code;
}

} // namespace

namespace MHWRender {

MFrameContext::MFrameContext() : fData(nullptr) {}
MFrameContext::~MFrameContext() = default;

MMatrix MFrameContext::getMatrix(MatrixType mtype, MStatus* ReturnStatus) const {
    const mvp2::FrameData& frame = frameOf(*this);
    // Four variants per base matrix, in the order plain, transpose, inverse, transposed inverse.
    const int base = mtype / 4 * 4;
    const int variant = mtype % 4;
    MMatrix m;
    if (base == kViewMtx)
        m = frame.view;
    else if (base == kProjectionMtx)
        m = frame.projection;
    else if (base == kViewProjMtx)
        m = frame.view * frame.projection;
    else {
        setStatus(ReturnStatus, MStatus::kNotImplemented); // needs the object's world matrix
        return MMatrix();
    }
    if (variant >= 2)
        m = m.inverse();
    if (variant % 2 == 1)
        m = m.transpose();
    setStatus(ReturnStatus, MStatus::kSuccess);
    return m;
}

MStatus MFrameContext::getViewportDimensions(int& originX, int& originY, int& width,
                                             int& height) const {
    const mvp2::FrameData& frame = frameOf(*this);
    originX = 0;
    originY = 0;
    width = frame.width;
    height = frame.height;
    return MS::kSuccess;
}

MDagPath MFrameContext::getCurrentCameraPath(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, MStatus::kSuccess);
    return frameOf(*this).camera;
}

unsigned int MFrameContext::getDisplayStyle() const {
    return frameOf(*this).displayStyle;
}

void MFrameContext::worldToViewport(const MPoint& inPoint, double& xPos, double& yPos) const {
    const mvp2::FrameData& frame = frameOf(*this);
    MPoint clip = inPoint * frame.view * frame.projection;
    clip.cartesianize();
    xPos = (clip.x + 1.0) * 0.5 * frame.width;
    yPos = (clip.y + 1.0) * 0.5 * frame.height;
}

void MFrameContext::viewportToWorld(double xPos, double yPos, MPoint& worldNearPt,
                                    MPoint& worldFarPt) const {
    const mvp2::FrameData& frame = frameOf(*this);
    const MMatrix clipToWorld = (frame.view * frame.projection).inverse();
    const double x = 2.0 * xPos / frame.width - 1.0;
    const double y = 2.0 * yPos / frame.height - 1.0;
    worldNearPt = MPoint(x, y, -1.0) * clipToWorld;
    worldNearPt.cartesianize();
    worldFarPt = MPoint(x, y, 1.0) * clipToWorld;
    worldFarPt.cartesianize();
}

const char* MFrameContext::className() {
    return "MFrameContext";
}

MDrawContext::MDrawContext() = default;
MDrawContext::~MDrawContext() = default;

const char* MDrawContext::className() {
    return "MDrawContext";
}

} // namespace MHWRender
