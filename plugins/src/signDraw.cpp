// The sign's legacy viewport draw: the picture of its look in immediate-mode OpenGL.
#include "deprecatedCalls.h"
#include "sign.h"
#include "signLook.h"
#include "signShapes.h"

#include <GL/glut.h> // before gl.h: on Windows it brings in the system header gl.h needs
#include <GL/gl.h>

namespace {

void setColor(const SignRgba& color) {
    glColor4f(color.r, color.g, color.b, color.a);
}

void drawLineFromOrigin(const float end[3]) {
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(end[0], end[1], end[2]);
    glEnd();
}

void drawLabel(const MString& text, const float position[3]) {
    glPushMatrix();
    glTranslatef(position[0], position[1], position[2]);
    // Labels stay readable through geometry.
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glRasterPos3f(0.0f, 0.0f, 0.0f);
    const char* bytes = text.asChar();
    for (unsigned int i = 0; i < text.length(); ++i)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_10, static_cast<signed char>(bytes[i]));
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}

void drawCurvePolygons(const std::vector<MPointArray>& polygons) {
    for (const MPointArray& points : polygons) {
        glBegin(GL_LINES);
        for (unsigned int j = 0; j + 1 < points.length(); ++j) {
            glVertex3d(points[j].x, points[j].y, points[j].z);
            glVertex3d(points[j + 1].x, points[j + 1].y, points[j + 1].z);
        }
        glEnd();
    }
}

} // namespace

void Sign::draw(M3dView& view, const MDagPath&, M3dView::DisplayStyle,
                M3dView::DisplayStatus status) {
    const SignLook look = readSignLook(thisMObject(), status);
    const std::vector<MPointArray> curves =
        look.type == kCvCurveType ? readCurvePolygons(thisMObject()) : std::vector<MPointArray>();

    // Maya 2019 deprecates beginGL/endGL in favour of Viewport 2.0, but a legacy draw() has no
    // other way to bracket its OpenGL calls.
    QUILLOMAR_DEPRECATED_CALL_BEGIN
    view.beginGL();
    QUILLOMAR_DEPRECATED_CALL_END
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glClearDepth(1.0);
    glEnable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    GLfloat savedPointSize = 0.0f, savedLineWidth = 0.0f;
    glGetFloatv(GL_POINT_SIZE, &savedPointSize);
    glGetFloatv(GL_LINE_WIDTH, &savedLineWidth);

    setColor(look.shape);
    glPointSize(static_cast<float>(look.width));
    glLineWidth(static_cast<float>(look.width));

    glPushMatrix();
    glTranslatef(look.position[0], look.position[1], look.position[2]);
    glPushMatrix();
    glRotatef(look.rotation[0], 1.0f, 0.0f, 0.0f);
    glRotatef(look.rotation[1], 0.0f, 1.0f, 0.0f);
    glRotatef(look.rotation[2], 0.0f, 0.0f, 1.0f);
    glPushMatrix();
    glScalef(look.scale[0], look.scale[1], look.scale[2]);

    if (look.type == kCvCurveType) {
        drawCurvePolygons(curves);
    } else {
        glPushMatrix();
        glScalef(look.radius, look.radius, look.radius);
        drawSignShape(look.type, GL_LINES);
        glPopMatrix();
    }

    if (look.enableTailLine)
        drawLineFromOrigin(look.tailLine);
    if (look.text.length() > 0) {
        setColor(look.label);
        drawLabel(look.text, look.textPosition);
    }
    if (look.enableTextLine)
        drawLineFromOrigin(look.textPosition);

    glPopMatrix();
    glPopMatrix();
    glPopMatrix();
    glPointSize(savedPointSize);
    glLineWidth(savedLineWidth);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glPopAttrib();
    QUILLOMAR_DEPRECATED_CALL_BEGIN
    view.endGL();
    QUILLOMAR_DEPRECATED_CALL_END
}
