#pragma once
// Viewport 2.0 per-frame information handed to prepareForDraw and addUIDrawables. Made only by
// the host.
#include <maya/MDagPath.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MStatus.h>

namespace hostkit {
struct FrameContextAccess;
}

namespace MHWRender {

class MFrameContext {
public:
    enum MatrixType {
        kWorldMtx,
        kWorldTransposeMtx,
        kWorldInverseMtx,
        kWorldTranspInverseMtx,
        kViewMtx,
        kViewTransposeMtx,
        kViewInverseMtx,
        kViewTranspInverseMtx,
        kProjectionMtx,
        kProjectionTranposeMtx,
        kProjectionInverseMtx,
        kProjectionTranspInverseMtx,
        kViewProjMtx,
        kViewProjTranposeMtx,
        kViewProjInverseMtx,
        kViewProjTranspInverseMtx,
        kWorldViewMtx,
        kWorldViewTransposeMtx,
        kWorldViewInverseMtx,
        kWorldViewTranspInverseMtx,
        kWorldViewProjMtx,
        kWorldViewProjTransposeMtx,
        kWorldViewProjInverseMtx,
        kWorldViewProjTranspInverseMtx
    };
    enum DisplayStyle {
        kGouraudShaded = 0x1 << 0,
        kWireFrame = 0x1 << 1,
        kBoundingBox = 0x1 << 2,
        kTextured = 0x1 << 3,
        kDefaultMaterial = 0x1 << 4,
        kXrayJoint = 0x1 << 5,
        kXray = 0x1 << 6,
        kTwoSidedLighting = 0x1 << 7,
        kFlatShaded = 0x1 << 8,
        kShadeActiveOnly = 0x1 << 9,
        kXrayActiveComponents = 0x1 << 10,
        kBackfaceCulling = 0x1 << 11,
        kSmoothWireframe = 0x1 << 12
    };

    // The view and projection types; the world-based ones need an object and give
    // kNotImplemented here.
    virtual MMatrix getMatrix(MatrixType mtype, MStatus* ReturnStatus = NULL) const;
    // The viewport's rectangle in pixels (origin at the upper-left corner).
    virtual MStatus getViewportDimensions(int& originX, int& originY, int& width,
                                          int& height) const;
    MDagPath getCurrentCameraPath(MStatus* ReturnStatus = NULL) const;
    // DisplayStyle bits.
    unsigned int getDisplayStyle() const;
    // Viewport pixels with the origin at the bottom-left corner.
    void worldToViewport(const MPoint& inPoint, double& xPos, double& yPos) const;
    void viewportToWorld(double xPos, double yPos, MPoint& worldNearPt, MPoint& worldFarPt) const;

    static const char* className();

protected:
    MFrameContext();
    virtual ~MFrameContext();

private:
    friend struct hostkit::FrameContextAccess;
    MFrameContext(const MFrameContext&) = delete;
    MFrameContext& operator=(const MFrameContext&) = delete;
    const void* fData; // the host's description of the frame being drawn
};

} // namespace MHWRender
