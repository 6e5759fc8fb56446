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
    MDagPath cameraPath;
    view.getCamera(cameraPath);
    if (!refreshFor(cameraPath, view.portWidth(), view.portHeight(), false))
        return;
    worldInverseMatrix = getMatrix("worldInverseMatrix");
    const ReticlePicture picture = reticleFrames(aspectEntries, windowFrame, filmback, settings);
    const PixelSpace pixels(view, camera);
    for (const ReticleMask& mask : picture.masks)
        drawMask(mask, nearClip);
    for (const ReticleOutline& outline : picture.outlines)
        drawFrameOutline(outline, nearClip);
    for (const ReticleLine& line : picture.lines)
        drawLine(line, nearClip);
    if (settings.enableTextDrawing)
        drawTextOverlay(view);
}

bool Reticle::viewport2Picture(const MDagPath& cameraPath, int width, int height,
                               ReticlePicture& picture) {
    if (!refreshFor(cameraPath, width, height, true))
        return false;
    picture = reticleFrames(aspectEntries, windowFrame, filmback, settings);
    if (settings.enableTextDrawing)
        picture.texts = textItems(overlayFrames(timeChanged));
    return true;
}

bool Reticle::refreshFor(const MDagPath& cameraPath, int width, int height, bool viewport2) {
    thisNode = thisMObject();
    if (dirty)
        refreshSettings();
    if (!settings.drawingEnabled)
        return false;
    if (!readCamera(cameraPath, width, height))
        return false;
    // The legacy check compares with the entries kept, at most ten, so more text elements than
    // that are read again on every legacy draw.
    if ((viewport2 ? textElementsChanged() : textCountChanged()) || dirty)
        rebuildTextEntries();
    if (aspectCountChanged() || dirty)
        rebuildAspectEntries();
    if (dirty)
        readFilmbackSettings();
    computeFrames();
    return true;
}

bool Reticle::readCamera(const MDagPath& cameraPath, int width, int height) {
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
    portWidth = width;
    portHeight = height;
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
