// Viewport 2.0 mode: draws an override's recorded drawables with OpenGL. 3D drawables use the
// override's world matrix and the camera, 2D ones an orthographic projection in port pixels
// whose depth is the drawable's z. Blending is on and depth writes off, as for overlays; a
// higher depth priority moves a 3D drawable towards the camera so it wins depth ties (a 2D one
// stays at its z). Text is drawn over everything with the GLUT Helvetica bitmap font nearest its
// size; a 3D text whose anchor lies outside the view is not drawn.
#include "viewport_impl.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/glut.h> // before gl.h: on Windows it brings in the system header gl.h needs
#include <GL/gl.h>
#include <GL/glext.h>

#include <cmath>

#include <string>

namespace hostkit::detail {
namespace {

// Depth (in normalised device units) one step of depth priority moves a drawable forward.
constexpr double kDepthPriorityStep = 1.0 / 65536.0;

GLenum modeOf(Drawable::Kind kind) {
    switch (kind) {
    case Drawable::kPoints:
        return GL_POINTS;
    case Drawable::kLineStrip:
        return GL_LINE_STRIP;
    case Drawable::kClosedLine:
        return GL_LINE_LOOP;
    case Drawable::kTriangles:
        return GL_TRIANGLES;
    case Drawable::kTriStrip:
        return GL_TRIANGLE_STRIP;
    default:
        return GL_LINES;
    }
}

void* fontFor(unsigned int size) {
    if (size <= 11)
        return GLUT_BITMAP_HELVETICA_10;
    if (size <= 15)
        return GLUT_BITMAP_HELVETICA_12;
    return GLUT_BITMAP_HELVETICA_18;
}

// The glyphs of UTF-8 text in the Latin-1 bitmap font: '?' for what the font lacks or for bytes
// that are not UTF-8.
std::string glyphsOf(const std::string& text) {
    std::string glyphs;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            glyphs += static_cast<char>(lead);
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        unsigned long code = lead & (0x3F >> (length - 1));
        bool valid = length > 1 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        glyphs += valid && code <= 0xFF ? static_cast<char>(code) : '?';
        i += valid ? length : 1;
    }
    return glyphs;
}

void loadMatrix(GLenum mode, const MMatrix& m) {
    glMatrixMode(mode);
    glLoadMatrixd(&m.matrix[0][0]);
}

// Clip-space z moved towards the camera by the priority (row-vector layout: applied after the
// projection).
MMatrix depthBias(unsigned int priority) {
    MMatrix bias;
    bias.matrix[3][2] = -kDepthPriorityStep * priority;
    return bias;
}

// Port pixels, window depth = z.
MMatrix pixelProjection(const Viewport& viewport) {
    MMatrix m;
    m.matrix[0][0] = 2.0 / viewport.width();
    m.matrix[1][1] = 2.0 / viewport.height();
    m.matrix[2][2] = 2.0;
    m.matrix[3][0] = -1.0;
    m.matrix[3][1] = -1.0;
    m.matrix[3][2] = -1.0;
    return m;
}

// The window position of a text's anchor; false for a 3D anchor outside the view volume.
bool anchorOnWindow(const Viewport& viewport, const OverrideDraw& draw, const Drawable& drawable,
                    MPoint& window) {
    const MPoint& anchor = drawable.positions.front();
    if (drawable.screenSpace) {
        window = anchor;
        return true;
    }
    const MPoint clip = anchor * draw.world * viewport.viewMatrix() * viewport.projectionMatrix();
    if (!(clip.w > 0.0) || std::fabs(clip.x) > clip.w || std::fabs(clip.y) > clip.w ||
        std::fabs(clip.z) > clip.w)
        return false;
    window = viewport.toWindow(draw, drawable, anchor);
    return true;
}

void drawText(const Viewport& viewport, const OverrideDraw& draw, const Drawable& drawable) {
    MPoint window;
    if (!anchorOnWindow(viewport, draw, drawable, window))
        return;
    void* font = fontFor(drawable.fontSize);
    const std::string glyphs = glyphsOf(drawable.text);
    int width = 0;
    for (char c : glyphs)
        width += glutBitmapWidth(font, static_cast<unsigned char>(c));
    const int shift = drawable.alignment == MHWRender::MUIDrawManager::kCenter  ? width / 2
                      : drawable.alignment == MHWRender::MUIDrawManager::kRight ? width
                                                                                : 0;
    glDisable(GL_DEPTH_TEST);
    glWindowPos3d(window.x - shift, window.y, window.z);
    for (char c : glyphs)
        glutBitmapCharacter(font, static_cast<unsigned char>(c));
    glEnable(GL_DEPTH_TEST);
}

void drawShape(const Drawable& drawable) {
    if (drawable.lineWidth > 0.0f)
        glLineWidth(drawable.lineWidth);
    if (drawable.pointSize > 0.0f)
        glPointSize(drawable.pointSize);
    if (drawable.stipplePattern != 0xFFFF) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(static_cast<GLint>(drawable.stippleFactor), drawable.stipplePattern);
    } else {
        glDisable(GL_LINE_STIPPLE);
    }
    glBegin(modeOf(drawable.kind));
    for (const MPoint& p : drawable.positions)
        glVertex3d(p.x, p.y, p.z);
    glEnd();
}

} // namespace

void renderDrawables(const Viewport& viewport, const OverrideDraw& draw) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    const MMatrix objectView = draw.world * viewport.viewMatrix();
    for (const Drawable& drawable : draw.drawables) {
        if (drawable.screenSpace) {
            loadMatrix(GL_PROJECTION, pixelProjection(viewport));
            loadMatrix(GL_MODELVIEW, MMatrix());
        } else {
            loadMatrix(GL_PROJECTION,
                       viewport.projectionMatrix() * depthBias(drawable.depthPriority));
            loadMatrix(GL_MODELVIEW, objectView);
        }
        const MColor& c = drawable.color;
        glColor4f(c.r, c.g, c.b, c.a);
        if (drawable.kind == Drawable::kText)
            drawText(viewport, draw, drawable);
        else
            drawShape(drawable);
    }
    glPopAttrib();
}

} // namespace hostkit::detail
