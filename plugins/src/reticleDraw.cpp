// The reticle's draw: refresh, camera checks, frame geometry, then the passes over an
// orthographic pixel projection, with the host's OpenGL state restored at the end.
#include "deprecatedCalls.h"
#include "reticle.h"
#include "reticleGeometry.h"
#include "reticlePrimitives.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MFnMatrixData.h>

#include <GL/glut.h> // before gl.h: on Windows it brings in the system header gl.h needs
#include <GL/gl.h>

namespace {

MMatrix reportMatrixFailure(const MString& message) {
    MStatus(MS::kFailure).perror(message);
    return MMatrix();
}

// The host's matrices and attribute state are saved, an orthographic projection in port
// pixels is made current, and blending is on, for as long as this lives.
class PixelSpace {
public:
    PixelSpace(M3dView& view, const MFnCamera& camera) : view_(view) {
        QUILLOMAR_DEPRECATED_CALL_BEGIN
        view_.beginGL();
        QUILLOMAR_DEPRECATED_CALL_END
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0.0, view_.portWidth(), 0.0, view_.portHeight(), camera.nearClippingPlane(),
                camera.farClippingPlane());
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_BLEND);
        glGetIntegerv(GL_BLEND_SRC, &blendSource_);
        glGetIntegerv(GL_BLEND_DST, &blendDestination_);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    ~PixelSpace() {
        glDisable(GL_BLEND);
        glBlendFunc(static_cast<GLenum>(blendSource_), static_cast<GLenum>(blendDestination_));
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glPopAttrib();
        QUILLOMAR_DEPRECATED_CALL_BEGIN
        view_.endGL();
        QUILLOMAR_DEPRECATED_CALL_END
    }
    PixelSpace(const PixelSpace&) = delete;
    PixelSpace& operator=(const PixelSpace&) = delete;

private:
    M3dView& view_;
    GLint blendSource_ = GL_ONE;
    GLint blendDestination_ = GL_ZERO;
};

} // namespace

void Reticle::draw(M3dView& view, const MDagPath&, M3dView::DisplayStyle, M3dView::DisplayStatus) {
    thisNode = thisMObject();
    if (dirty)
        refreshSettings();
    if (!settings.drawingEnabled)
        return;
    if (!readView(view))
        return;
    if (textCountChanged() || dirty)
        rebuildTextEntries();
    if (aspectCountChanged() || dirty)
        rebuildAspectEntries();
    if (dirty)
        readFilmbackSettings();
    computeFrames();

    const PixelSpace pixels(view, camera);
    drawMaskPass();
    drawOutlinePass();
    drawGuideLines();
    if (settings.enableTextDrawing)
        drawTextOverlay(view);
}

bool Reticle::readView(M3dView& view) {
    MDagPath cameraPath;
    view.getCamera(cameraPath);
    camera.setObject(cameraPath.node());
    if (camera.isOrtho())
        return false;
    MStatus found;
    const MPlug useReticle = camera.findPlug("useReticle", true, &found);
    if (found && !useReticle.isNull()) {
        int enabled = 1;
        useReticle.getValue(enabled);
        if (enabled == 0)
            return false;
    }
    overscan = camera.overscan();
    nearClip = camera.nearClippingPlane() + 0.001;
    portWidth = view.portWidth();
    portHeight = view.portHeight();
    worldInverseMatrix = getMatrix("worldInverseMatrix");
    windowFrame = windowFrameOf(portWidth, portHeight);
    return true;
}

void Reticle::computeFrames() {
    CameraFilm film;
    film.horizontalAperture = camera.horizontalFilmAperture();
    film.verticalAperture = camera.verticalFilmAperture();
    film.filmFit = camera.filmFit();
    film.overscan = overscan;
    film.lensSqueezeRatio = camera.lensSqueezeRatio();
    filmback = computeFilmFrame(filmbackSettings, film, windowFrame);
    for (AspectRatioEntry& entry : aspectEntries)
        computeAspectFrames(entry, filmback.guideFrame, windowFrame);
}

MMatrix Reticle::getMatrix(const MString& name) const {
    MStatus status;
    MFnDependencyNode node(thisNode);
    const MObject attribute = node.attribute(name, &status);
    if (!status)
        return reportMatrixFailure("Reticle::getMatrix getting attribute : " + name);
    MPlug plug(thisNode, attribute);
    if (plug.isNull())
        return reportMatrixFailure("Reticle::getting plug for attribute : " + name);
    if (plug.isArray()) {
        plug = plug.elementByLogicalIndex(0, &status);
        if (!status)
            return reportMatrixFailure("Reticle::getMatrix setting logical index to 0 for " + name);
    }
    MObject data;
    status = plug.getValue(data);
    if (!status)
        return reportMatrixFailure("Reticle::getMatrix getting value for " + name);
    MFnMatrixData matrixData(data, &status);
    if (!status)
        return reportMatrixFailure("Reticle::getMatrix getting MfnMatrixData");
    const MMatrix matrix = matrixData.matrix(&status);
    if (!status)
        return reportMatrixFailure("Reticle::getMatrix getting matrix");
    return matrix;
}

void Reticle::drawMaskPass() const {
    for (std::size_t i = 0; i < aspectEntries.size(); ++i) {
        const AspectRatioEntry& entry = aspectEntries[i];
        if (entry.displayMode != kAspectMask)
            continue;
        // Each mask covers only the bands the previous (smaller) ratio's frame left open.
        const ReticleFrame& outer = i == 0 ? windowFrame : aspectEntries[i - 1].frame;
        drawMask(outer, entry.frame, entry.frame.maskColor, i == 0, nearClip);
    }
}

void Reticle::drawOutlinePass() const {
    for (std::size_t i = 0; i < aspectEntries.size(); ++i) {
        const AspectRatioEntry& entry = aspectEntries[i];
        if (entry.displayMode == kAspectNone)
            continue;
        drawFrameOutline(entry.frame, entry.frame.lineColor, i == 0, false, nearClip);
        if (entry.safeAction)
            drawFrameOutline(entry.safeActionFrame, entry.frame.lineColor, true, true, nearClip);
        if (entry.safeTitle)
            drawFrameOutline(entry.safeTitleFrame, entry.frame.lineColor, true, true, nearClip);
    }
}

void Reticle::drawGuideLines() const {
    const ReticleFrame& guide = filmback.guideFrame;
    const MColor& color = settings.lineColor;
    const double cy = windowFrame.extentY;
    const double fx = (guide.left + guide.right) / 2.0;
    if (settings.displayLineH)
        drawLine({guide.left, cy}, {guide.right, cy}, color, nearClip);
    if (settings.displayLineV)
        drawLine({fx, guide.bottom}, {fx, guide.top}, color, nearClip);
    const ReticleFrame& thirds =
        thirdsReference(aspectEntries.data(), static_cast<int>(aspectEntries.size()), windowFrame);
    const double factors[] = {0.33, 0.66};
    if (settings.displayThirdsH) {
        for (double factor : factors) {
            const double y = thirds.bottom + factor * (thirds.top - thirds.bottom);
            drawLine({thirds.left, y}, {thirds.right, y}, color, nearClip);
        }
    }
    if (settings.displayThirdsV) {
        for (double factor : factors) {
            const double x = thirds.left + factor * (thirds.right - thirds.left);
            drawLine({x, thirds.bottom}, {x, thirds.top}, color, nearClip);
        }
    }
    if (settings.displayCrosshair) {
        // Arms 20 pixels long with a 5-pixel gap around the centre.
        drawLine({fx - 25, cy}, {fx - 5, cy}, color, nearClip);
        drawLine({fx + 25, cy}, {fx + 5, cy}, color, nearClip);
        drawLine({fx, cy - 25}, {fx, cy - 5}, color, nearClip);
        drawLine({fx, cy + 25}, {fx, cy + 5}, color, nearClip);
    }
}
