#pragma once
// Driver face of the viewport: one camera's view of the scene, drawn offscreen the way Maya's
// viewport draws it (the host's own content, then every visible locator), read back as pixels
// or captured as OpenGL feedback. Locators are drawn as the legacy viewport draws them (each
// locator's draw) or as Viewport 2.0 does (each locator's draw override).
#include <hostkit/drawables.h>
#include <hostkit/feedback.h>
#include <hostkit/gl_canvas.h>
#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MMatrix.h>

#include <memory>
#include <string>
#include <vector>

namespace hostkit {

enum class ViewportMode { kLegacy, kViewport2 };

// Viewport 2.0's rendering engines, as Maya's preferences offer them. Drawing here is always
// OpenGL; the engine decides which overrides may draw (supportedDrawAPIs) and whether a locator
// without one falls back to its legacy draw, which Maya allows only on the OpenGL engines that
// keep the fixed-function pipeline, and only when MAYA_ENABLE_VP2_PLUGIN_LOCATOR_LEGACY_DRAW is
// set in the environment.
enum class RenderingEngine {
    kOpenGLLegacy,
    kOpenGLCoreCompatibility,
    kOpenGLCoreStrict,
    kDirectX11
};

// One locator draw as the viewport saw it, kept until the next draw.
struct LocatorDraw {
    std::string path; // full DAG path of the locator shape
    M3dView::DisplayStatus status = M3dView::kDormant;
    GlState before; // right before the locator's draw was called
    GlState after;  // right after it returned
    int beginGLCalls = 0;
    int endGLCalls = 0;
    long plugReads = 0; // values read through the locator's own plugs during its draw
};

class Viewport {
public:
    // `camera` names a camera shape or its transform. Throws std::invalid_argument for an
    // unknown camera or a size below 1 x 1, GlError when there is no OpenGL.
    Viewport(const std::string& camera, int width, int height);
    ~Viewport();
    Viewport(const Viewport&) = delete;
    Viewport& operator=(const Viewport&) = delete;

    int width() const;
    int height() const;
    const MDagPath& camera() const;

    // Passed to every locator's draw; meshes are drawn shaded for the shaded styles.
    void setDisplayStyle(M3dView::DisplayStyle style);
    M3dView::DisplayStyle displayStyle() const;
    void setGridVisible(bool visible);
    // Legacy by default; Viewport 2.0 with the Core Profile (Compatibility) engine by default.
    void setMode(ViewportMode mode);
    ViewportMode mode() const;
    void setRenderingEngine(RenderingEngine engine);
    RenderingEngine renderingEngine() const;
    void setBackground(float red, float green, float blue);

    // Clears, draws the host's content, then the locators.
    void draw();
    // The two halves of draw(), for tests that look at one of them.
    void drawHostContent();
    void drawLocators();
    // Legacy draws made (in Viewport 2.0 mode: those of locators falling back to them).
    const std::vector<LocatorDraw>& locatorDraws() const;

    // Viewport 2.0 mode, the two halves of drawLocators(): the update, which calls
    // prepareForDraw and addUIDrawables of every override that needs it and makes no OpenGL
    // call, then the drawing of the drawables (and of legacy fallbacks).
    void updateOverrides();
    void drawUpdatedOverrides();
    // The overrides of the last update, in locator order.
    const std::vector<OverrideDraw>& overrideDraws() const;
    // Window position (pixels from the bottom-left, depth 0..1) of a drawable's position.
    MPoint toWindow(const OverrideDraw& draw, const Drawable& drawable,
                    const MPoint& position) const;

    // The pixels as the viewport shows them: opaque, whatever blending left in alpha.
    quillomar::Image image();
    // What the locators draw, as feedback records (the host's own content is not included).
    std::vector<FeedbackRecord> capture();
    GlState glState();

    // The camera's world inverse matrix and its projection for this port (Maya's layout).
    MMatrix viewMatrix() const;
    MMatrix projectionMatrix() const;
    // An M3dView of this viewport, as a locator's draw receives it.
    M3dView view();

private:
    friend class ::M3dView;
    friend struct ViewportAccess;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace hostkit
