#pragma once
// Viewport 2.0 draw-time context, handed to an override's draw callback. Made only by the host.
#include <maya/MFrameContext.h>

namespace MHWRender {

class MDrawContext : public MFrameContext {
public:
    static const char* className();

protected:
    MDrawContext();
    ~MDrawContext() override;
};

} // namespace MHWRender
