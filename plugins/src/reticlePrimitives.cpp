#include "reticlePrimitives.h"

#include <GL/glut.h> // before gl.h: on Windows it brings in the system header gl.h needs
#include <GL/gl.h>

namespace {

// Brackets one glBegin/glEnd with depth testing and depth writes off.
class FlatShape {
public:
    FlatShape(GLenum mode, const MColor& color, double nearClip) : z_(-nearClip) {
        glDisable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);
        glBegin(mode);
        const MColor opacity = opacityColor(color);
        glColor4f(opacity.r, opacity.g, opacity.b, opacity.a);
    }
    ~FlatShape() {
        glEnd();
        glDepthMask(GL_TRUE);
        glEnable(GL_DEPTH_TEST);
    }
    FlatShape(const FlatShape&) = delete;
    FlatShape& operator=(const FlatShape&) = delete;

    void vertex(const Point2& p) const { glVertex3d(p.x, p.y, z_); }
    void quad(const Quad& corners) const {
        for (const Point2& p : corners)
            vertex(p);
    }

private:
    double z_;
};

} // namespace

void drawLine(const ReticleLine& line, double nearClip) {
    const FlatShape shape(GL_LINES, line.color, nearClip);
    shape.vertex(line.from);
    shape.vertex(line.to);
}

void drawFrameOutline(const ReticleOutline& outline, double nearClip) {
    if (outline.stippled) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(kSafeFrameStippleFactor, kSafeFrameStipplePattern);
    }
    {
        const FlatShape shape(outline.closed ? GL_LINE_LOOP : GL_LINES, outline.color, nearClip);
        shape.quad(frameCorners(outline.frame));
    }
    if (outline.stippled)
        glDisable(GL_LINE_STIPPLE);
}

void drawMask(const ReticleMask& mask, double nearClip) {
    const FlatShape shape(GL_QUADS, mask.color, nearClip);
    for (const Quad& band : maskBands(mask))
        shape.quad(band);
}
