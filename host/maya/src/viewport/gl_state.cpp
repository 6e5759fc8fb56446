#include <hostkit/gl_canvas.h>

#include <GL/gl.h>

#include <sstream>

namespace hostkit {
namespace {

int integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

float real(GLenum name) {
    GLfloat value = 0;
    glGetFloatv(name, &value);
    return value;
}

bool flag(GLenum name) {
    GLboolean value = GL_FALSE;
    glGetBooleanv(name, &value);
    return value == GL_TRUE;
}

} // namespace

GlState GlCanvas::state() {
    makeCurrent();
    GlState s;
    s.attribStackDepth = integer(GL_ATTRIB_STACK_DEPTH);
    s.clientAttribStackDepth = integer(GL_CLIENT_ATTRIB_STACK_DEPTH);
    s.modelViewStackDepth = integer(GL_MODELVIEW_STACK_DEPTH);
    s.projectionStackDepth = integer(GL_PROJECTION_STACK_DEPTH);
    s.matrixMode = integer(GL_MATRIX_MODE);
    s.blend = glIsEnabled(GL_BLEND);
    s.depthTest = glIsEnabled(GL_DEPTH_TEST);
    s.depthMask = flag(GL_DEPTH_WRITEMASK);
    s.lineStipple = glIsEnabled(GL_LINE_STIPPLE);
    s.lighting = glIsEnabled(GL_LIGHTING);
    s.depthFunc = integer(GL_DEPTH_FUNC);
    s.blendSrc = integer(GL_BLEND_SRC);
    s.blendDst = integer(GL_BLEND_DST);
    s.lineStipplePattern = integer(GL_LINE_STIPPLE_PATTERN);
    s.lineStippleRepeat = integer(GL_LINE_STIPPLE_REPEAT);
    s.lineWidth = real(GL_LINE_WIDTH);
    s.pointSize = real(GL_POINT_SIZE);
    return s;
}

bool GlState::operator==(const GlState& o) const {
    return attribStackDepth == o.attribStackDepth &&
           clientAttribStackDepth == o.clientAttribStackDepth &&
           modelViewStackDepth == o.modelViewStackDepth &&
           projectionStackDepth == o.projectionStackDepth && matrixMode == o.matrixMode &&
           blend == o.blend && depthTest == o.depthTest && depthMask == o.depthMask &&
           lineStipple == o.lineStipple && lighting == o.lighting && depthFunc == o.depthFunc &&
           blendSrc == o.blendSrc && blendDst == o.blendDst &&
           lineStipplePattern == o.lineStipplePattern && lineStippleRepeat == o.lineStippleRepeat &&
           lineWidth == o.lineWidth && pointSize == o.pointSize;
}

std::string GlState::describe() const {
    std::ostringstream out;
    out << "attrib stack " << attribStackDepth << ", client attrib stack " << clientAttribStackDepth
        << ", modelview stack " << modelViewStackDepth << ", projection stack "
        << projectionStackDepth << ", matrix mode 0x" << std::hex << matrixMode << std::dec
        << ", blend " << blend << ", depth test " << depthTest << ", depth mask " << depthMask
        << ", depth func 0x" << std::hex << depthFunc << ", blend 0x" << blendSrc << "/0x"
        << blendDst << std::dec << ", lighting " << lighting << ", stipple " << lineStipple
        << " (0x" << std::hex << lineStipplePattern << std::dec << " x" << lineStippleRepeat
        << "), line width " << lineWidth << ", point size " << pointSize;
    return out.str();
}

} // namespace hostkit
