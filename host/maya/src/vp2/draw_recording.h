#pragma once
// The host side of MUIDrawManager: the drawables of one addUIDrawables call, and the calls the
// draw manager refused.
#include <hostkit/drawables.h>
#include <maya/MUIDrawManager.h>

#include <functional>
#include <string>
#include <vector>

namespace mvp2 {

struct DrawRecording {
    bool open = false;       // between beginDrawable and endDrawable
    hostkit::Drawable state; // the state the next drawable gets
    std::vector<hostkit::Drawable> drawables;
    std::vector<std::string> refused;
};

// The stipple factor and pattern a named line style draws with.
void stippleOf(MHWRender::MUIDrawManager::LineStyle style, unsigned int& factor,
               unsigned short& pattern);

} // namespace mvp2

namespace hostkit {

struct DrawManagerAccess {
    // Runs `emit` with a draw manager recording into `recording`; a drawable left open is closed
    // (and the omission recorded).
    static void record(mvp2::DrawRecording& recording,
                       const std::function<void(MHWRender::MUIDrawManager&)>& emit);
};

} // namespace hostkit
