#include "reticlePrimitives.h"

#include <GL/glut.h> // before gl.h: on Windows it brings in the system header gl.h needs
#include <GL/gl.h>

#include <initializer_list>

namespace {

// Brackets one glBegin/glEnd with depth testing and depth writes off.
class FlatShape {
public:
    FlatShape(GLenum mode, const MColor& color, double nearClip) : z_(-nearClip) {
        glDisable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);
        glBegin(mode);
        glColor4f(color.r, color.g, color.b, 1.0f - color.a);
    }
    ~FlatShape() {
        glEnd();
        glDepthMask(GL_TRUE);
        glEnable(GL_DEPTH_TEST);
    }
    FlatShape(const FlatShape&) = delete;
    FlatShape& operator=(const FlatShape&) = delete;

    void vertex(double x, double y) const { glVertex3d(x, y, z_); }

private:
    double z_;
};

void band(const FlatShape& shape, Point2 a, Point2 b, Point2 c, Point2 d) {
    for (const Point2& p : {a, b, c, d})
        shape.vertex(p.x, p.y);
}

} // namespace

void drawLine(const Point2& from, const Point2& to, const MColor& color, double nearClip) {
    const FlatShape shape(GL_LINES, color, nearClip);
    shape.vertex(from.x, from.y);
    shape.vertex(to.x, to.y);
}

void drawFrameOutline(const ReticleFrame& frame, const MColor& color, bool closed, bool stippled,
                      double nearClip) {
    if (stippled) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(2, 0x00FF);
    }
    {
        const FlatShape shape(closed ? GL_LINE_LOOP : GL_LINES, color, nearClip);
        band(shape, {frame.left, frame.bottom}, {frame.right, frame.bottom},
             {frame.right, frame.top}, {frame.left, frame.top});
    }
    if (stippled)
        glDisable(GL_LINE_STIPPLE);
}

void drawMask(const ReticleFrame& outer, const ReticleFrame& inner, const MColor& color,
              bool withSides, double nearClip) {
    const FlatShape shape(GL_QUADS, color, nearClip);
    band(shape, {outer.left, outer.bottom}, {outer.right, outer.bottom},
         {inner.right, inner.bottom}, {inner.left, inner.bottom});
    band(shape, {inner.left, inner.top}, {inner.right, inner.top}, {outer.right, outer.top},
         {outer.left, outer.top});
    if (!withSides)
        return;
    band(shape, {outer.left, outer.bottom}, {inner.left, inner.bottom}, {inner.left, inner.top},
         {outer.left, outer.top});
    band(shape, {inner.right, inner.bottom}, {outer.right, outer.bottom}, {outer.right, outer.top},
         {inner.right, inner.top});
}
