#pragma once
// The host's description of the frame a Viewport 2.0 override is prepared and drawn for, behind
// MFrameContext (and MDrawContext, which the host makes from the same description).
#include <maya/MDagPath.h>
#include <maya/MDrawContext.h>
#include <maya/MMatrix.h>

namespace mvp2 {

struct FrameData {
    MDagPath camera;
    int width = 0;
    int height = 0;
    MMatrix view;                  // world to camera
    MMatrix projection;            // camera to clip space, Maya's row-vector layout
    unsigned int displayStyle = 0; // MFrameContext::DisplayStyle bits
};

} // namespace mvp2

namespace hostkit {

struct FrameContextAccess {
    static void attach(MHWRender::MFrameContext& context, const mvp2::FrameData* data) {
        context.fData = data;
    }
    static const mvp2::FrameData& data(const MHWRender::MFrameContext& context) {
        return *static_cast<const mvp2::FrameData*>(context.fData);
    }
};

// The context the host hands to prepareForDraw, addUIDrawables and draw callbacks.
class HostDrawContext : public MHWRender::MDrawContext {
public:
    explicit HostDrawContext(const mvp2::FrameData& frame) {
        FrameContextAccess::attach(*this, &frame);
    }
};

} // namespace hostkit
