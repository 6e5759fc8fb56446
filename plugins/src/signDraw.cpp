#include "deprecatedCalls.h"
#include "sign.h"
#include "signShapes.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>

#include <GL/glut.h> // before gl.h: on Windows it brings in the system header gl.h needs
#include <GL/gl.h>

namespace {
struct Rgba {
    float r, g, b, a;
};

// Reads this node's values through plugs; a failed read leaves zero.
class SignValues {
public:
    explicit SignValues(const MObject& node) : node_(node), dagNode_(node) {}

    float number(const MObject& attribute) const {
        float value = 0.0f;
        dagNode_.findPlug(attribute, true).getValue(value);
        return value;
    }
    int integer(const MObject& attribute) const {
        int value = 0;
        dagNode_.findPlug(attribute, true).getValue(value);
        return value;
    }
    bool flag(const MObject& attribute) const {
        bool value = false;
        dagNode_.findPlug(attribute, true).getValue(value);
        return value;
    }
    MString text(const MObject& attribute) const {
        MString value;
        dagNode_.findPlug(attribute, true).getValue(value);
        return value;
    }
    void triple(const MObject& x, const MObject& y, const MObject& z, float out[3]) const {
        out[0] = number(x);
        out[1] = number(y);
        out[2] = number(z);
    }
    Rgba color(const MObject& colorAttribute, const MObject& alphaAttribute) const {
        Rgba value{0.0f, 0.0f, 0.0f, number(alphaAttribute)};
        MObject data;
        MPlug(node_, colorAttribute).getValue(data);
        MFnNumericData(data).getData(value.r, value.g, value.b);
        return value;
    }

private:
    MObject node_;
    MFnDagNode dagNode_;
};

struct StatusColors {
    Rgba shape;
    Rgba text;
};

StatusColors colorsFor(const SignValues& values, M3dView::DisplayStatus status) {
    const float alpha = values.number(Sign::aAlpha);
    const float textAlpha = values.number(Sign::aTextAlpha);
    switch (status) {
    case M3dView::kActive:
        return {{1.0f, 1.0f, 1.0f, alpha}, {1.0f, 1.0f, 1.0f, textAlpha}};
    case M3dView::kLead: {
        const float r = 0.2627451f, g = 1.0f, b = 0.6392157f;
        return {{r, g, b, alpha}, {r, g, b, textAlpha}};
    }
    default:
        return {values.color(Sign::aColor, Sign::aAlpha),
                values.color(Sign::aTextColor, Sign::aTextAlpha)};
    }
}

void setColor(const Rgba& color) {
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
} // namespace

void Sign::drawCurvePolygons() const {
    MFnDagNode node(thisMObject());
    MPlug positions = node.findPlug(aCvPositions, true);
    // Evaluating the count first brings the output up to date with the connected curves.
    const unsigned int count = positions.evaluateNumElements();
    for (unsigned int i = 0; i < count; ++i) {
        // By physical index: drawing never creates elements, even in a stored output with gaps.
        MObject data;
        positions.elementByPhysicalIndex(i).getValue(data);
        MFnPointArrayData pointData(data);
        const MPointArray points = pointData.array();
        if (points.length() < 2)
            continue;
        glBegin(GL_LINES);
        for (unsigned int j = 0; j + 1 < points.length(); ++j) {
            glVertex3d(points[j].x, points[j].y, points[j].z);
            glVertex3d(points[j + 1].x, points[j + 1].y, points[j + 1].z);
        }
        glEnd();
    }
}

void Sign::draw(M3dView& view, const MDagPath&, M3dView::DisplayStyle,
                M3dView::DisplayStatus status) {
    const SignValues values(thisMObject());
    float position[3], rotation[3], scale[3], textPosition[3], tailLine[3];
    values.triple(localPositionX, localPositionY, localPositionZ, position);
    values.triple(aLocalRotateX, aLocalRotateY, aLocalRotateZ, rotation);
    values.triple(localScaleX, localScaleY, localScaleZ, scale);
    const int type = values.integer(aType);
    const float radius = values.number(aRadius);
    const int width = values.integer(aWidth);
    const MString text = values.text(aText);
    values.triple(aTextPositionX, aTextPositionY, aTextPositionZ, textPosition);
    values.triple(aTailLineVectorX, aTailLineVectorY, aTailLineVectorZ, tailLine);

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

    const StatusColors colors = colorsFor(values, status);
    setColor(colors.shape);
    glPointSize(static_cast<float>(width));
    glLineWidth(static_cast<float>(width));

    glPushMatrix();
    glTranslatef(position[0], position[1], position[2]);
    glPushMatrix();
    glRotatef(rotation[0], 1.0f, 0.0f, 0.0f);
    glRotatef(rotation[1], 0.0f, 1.0f, 0.0f);
    glRotatef(rotation[2], 0.0f, 0.0f, 1.0f);
    glPushMatrix();
    glScalef(scale[0], scale[1], scale[2]);

    if (type == kCvCurveType) {
        drawCurvePolygons();
    } else {
        glPushMatrix();
        glScalef(radius, radius, radius);
        drawSignShape(type, GL_LINES);
        glPopMatrix();
    }

    if (values.flag(aEnableTailLine))
        drawLineFromOrigin(tailLine);
    if (text.length() > 0) {
        setColor(colors.text);
        drawLabel(text, textPosition);
    }
    if (values.flag(aEnableTextLine))
        drawLineFromOrigin(textPosition);

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
