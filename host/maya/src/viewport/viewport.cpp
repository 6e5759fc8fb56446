#include "viewport_impl.h"

#include <hostkit/host.h>
#include <maya/MPxLocatorNode.h>

#include <GL/gl.h>

#include <stdexcept>

namespace hostkit {
namespace {

void loadMatrix(GLenum mode, const MMatrix& m) {
    glMatrixMode(mode);
    glLoadMatrixd(&m.matrix[0][0]);
}

// The state every locator's draw starts from.
void resetDrawingState() {
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_LINE_STIPPLE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glLineWidth(1.0f);
    glPointSize(1.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
}

} // namespace

Viewport::Viewport(const std::string& camera, int width, int height)
    : impl_(std::make_unique<Impl>(width, height)) {
    if (!detail::findCamera(camera, impl_->camera))
        throw std::invalid_argument("no camera named \"" + camera + "\" in the scene");
    detail::registerViewport(this);
}

Viewport::~Viewport() {
    detail::unregisterViewport(this);
}

int Viewport::width() const {
    return impl_->canvas.width();
}
int Viewport::height() const {
    return impl_->canvas.height();
}
const MDagPath& Viewport::camera() const {
    return impl_->camera;
}

void Viewport::setDisplayStyle(M3dView::DisplayStyle style) {
    impl_->style = style;
}
M3dView::DisplayStyle Viewport::displayStyle() const {
    return impl_->style;
}
void Viewport::setGridVisible(bool visible) {
    impl_->gridVisible = visible;
}

void Viewport::setMode(ViewportMode mode) {
    impl_->mode = mode;
}
ViewportMode Viewport::mode() const {
    return impl_->mode;
}
void Viewport::setRenderingEngine(RenderingEngine engine) {
    impl_->engine = engine;
}
RenderingEngine Viewport::renderingEngine() const {
    return impl_->engine;
}

void Viewport::setBackground(float red, float green, float blue) {
    impl_->background[0] = red;
    impl_->background[1] = green;
    impl_->background[2] = blue;
}

MMatrix Viewport::viewMatrix() const {
    return impl_->camera.inclusiveMatrixInverse();
}

MMatrix Viewport::projectionMatrix() const {
    double m[4][4];
    detail::projectionMatrix(detail::frustum(detail::lensOf(impl_->camera), width(), height()), m);
    return MMatrix(m);
}

M3dView Viewport::view() {
    M3dView v;
    v.fPtr = this;
    return v;
}

void Viewport::draw() {
    const float* bg = impl_->background;
    impl_->canvas.clear(bg[0], bg[1], bg[2], 1.0f);
    drawHostContent();
    drawLocators();
}

void Viewport::drawHostContent() {
    impl_->canvas.makeCurrent();
    const MMatrix view = viewMatrix();
    loadMatrix(GL_PROJECTION, projectionMatrix());
    glEnable(GL_DEPTH_TEST);
    if (impl_->gridVisible)
        detail::drawGrid(view);
    const bool shaded =
        impl_->style == M3dView::kFlatShaded || impl_->style == M3dView::kGouraudShaded;
    detail::drawMeshes(detail::meshesToDraw(), view, shaded);
    resetDrawingState();
}

void Viewport::drawLocators() {
    if (impl_->mode == ViewportMode::kViewport2) {
        updateOverrides();
        drawUpdatedOverrides();
        return;
    }
    impl_->canvas.makeCurrent();
    impl_->draws.clear();
    const std::vector<detail::LocatorToDraw> locators = detail::locatorsToDraw();
    impl_->draws.reserve(locators.size());
    detail::DrawingScope scope(this);
    for (const detail::LocatorToDraw& locator : locators)
        detail::drawLegacyLocator(*this, locator);
}

namespace detail {

void drawLegacyLocator(Viewport& viewport, const LocatorToDraw& locator) {
    auto& impl = ViewportAccess::impl(viewport);
    loadMatrix(GL_PROJECTION, viewport.projectionMatrix());
    loadMatrix(GL_MODELVIEW, locator.path.inclusiveMatrix() * viewport.viewMatrix());
    LocatorDraw record;
    record.path = locator.path.fullPathName().asChar();
    record.status = displayStatusOf(locator.path);
    record.before = impl.canvas.state();
    impl.draws.push_back(record);
    impl.drawing = &impl.draws.back();
    // As in Maya, draw() is handed the path of the shape's parent transform.
    MDagPath transform = locator.path;
    transform.pop();
    M3dView v = viewport.view();
    const MObject node = locator.node->thisMObject();
    const long readsBefore = plugReads(node);
    locator.node->draw(v, transform, impl.style, record.status);
    impl.drawing = nullptr;
    impl.draws.back().after = impl.canvas.state();
    impl.draws.back().plugReads = plugReads(node) - readsBefore;
}

} // namespace detail

const std::vector<LocatorDraw>& Viewport::locatorDraws() const {
    return impl_->draws;
}

quillomar::Image Viewport::image() {
    // A screen shows colours only: what blending left in the alpha channel is not seen.
    quillomar::Image image = impl_->canvas.image();
    for (std::size_t i = 3; i < image.rgba.size(); i += 4)
        image.rgba[i] = 255;
    return image;
}

std::vector<FeedbackRecord> Viewport::capture() {
    return impl_->canvas.capture([this] { drawLocators(); });
}

GlState Viewport::glState() {
    return impl_->canvas.state();
}

} // namespace hostkit
