#pragma once
// The viewport's state, shared by hostkit::Viewport and the M3dView views handed to locators.
#include "scene_access.h"
#include "vp2_state.h"

#include <hostkit/viewport.h>

namespace hostkit {

struct Viewport::Impl {
    Impl(int width, int height) : canvas(width, height) {}

    GlCanvas canvas;
    MDagPath camera;
    M3dView::DisplayStyle style = M3dView::kWireFrame;
    bool gridVisible = true;
    float background[3] = {0.36f, 0.36f, 0.36f};
    std::vector<LocatorDraw> draws;
    LocatorDraw* drawing = nullptr; // the locator draw in progress, if any
    ViewportMode mode = ViewportMode::kLegacy;
    RenderingEngine engine = RenderingEngine::kOpenGLCoreCompatibility;
    detail::Vp2State vp2;
};

// Reaches the viewports' state from the host's other parts.
struct ViewportAccess {
    static Viewport::Impl& impl(Viewport& viewport) { return *viewport.impl_; }
};

namespace detail {

// Live viewports, so that a view outliving its viewport fails instead of dangling, and the
// answer to M3dView::active3dView: the viewport drawing now, else the newest one.
void registerViewport(Viewport* viewport);
void unregisterViewport(Viewport* viewport);
bool isLiveViewport(const void* viewport);
Viewport* activeViewport();

// Marks `viewport` as the one drawing for the lifetime of the object.
class DrawingScope {
public:
    explicit DrawingScope(Viewport* viewport);
    ~DrawingScope();
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

private:
    Viewport* previous_;
};

// A locator's legacy draw with the host's matrices loaded, recorded in the viewport's draws.
void drawLegacyLocator(Viewport& viewport, const LocatorToDraw& locator);

// Viewport 2.0: the drawables of one override draw, and the destruction of the overrides of a
// node that goes or of a creator that is deregistered, in every live viewport.
void renderDrawables(const Viewport& viewport, const OverrideDraw& draw);
void forgetOverridesOf(const MObject& node);
void forgetOverridesMadeBy(mvp2::Creator creator);
std::vector<Viewport*> liveViewports();

// The host's own content: the ground grid and the meshes.
void drawGrid(const MMatrix& view);
void drawMeshes(const std::vector<MeshToDraw>& meshes, const MMatrix& view, bool shaded);

} // namespace detail
} // namespace hostkit
