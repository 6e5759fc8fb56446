#include "signLook.h"
#include "sign.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MPlug.h>

#include <cmath>

namespace {

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
    SignRgba color(const MObject& colorAttribute, float alpha) const {
        SignRgba value{0.0f, 0.0f, 0.0f, alpha};
        MObject data;
        MPlug(node_, colorAttribute).getValue(data);
        MFnNumericData(data).getData(value.r, value.g, value.b);
        return value;
    }

private:
    MObject node_;
    MFnDagNode dagNode_;
};

const int kActiveStatus = 0;
const int kLeadStatus = 8;

// Rows of the rotation by `degrees` about one axis, for row vectors.
MMatrix rotation(int axis, float degrees) {
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    const int a = (axis + 1) % 3, b = (axis + 2) % 3;
    MMatrix m;
    m.matrix[a][a] = c;
    m.matrix[a][b] = s;
    m.matrix[b][a] = -s;
    m.matrix[b][b] = c;
    return m;
}

} // namespace

SignLook readSignLook(const MObject& node, int displayStatus) {
    const SignValues values(node);
    SignLook look;
    values.triple(Sign::localPositionX, Sign::localPositionY, Sign::localPositionZ, look.position);
    values.triple(Sign::aLocalRotateX, Sign::aLocalRotateY, Sign::aLocalRotateZ, look.rotation);
    values.triple(Sign::localScaleX, Sign::localScaleY, Sign::localScaleZ, look.scale);
    look.type = values.integer(Sign::aType);
    look.radius = values.number(Sign::aRadius);
    look.width = values.integer(Sign::aWidth);
    look.text = values.text(Sign::aText);
    values.triple(Sign::aTextPositionX, Sign::aTextPositionY, Sign::aTextPositionZ,
                  look.textPosition);
    values.triple(Sign::aTailLineVectorX, Sign::aTailLineVectorY, Sign::aTailLineVectorZ,
                  look.tailLine);
    look.enableTailLine = values.flag(Sign::aEnableTailLine);
    look.enableTextLine = values.flag(Sign::aEnableTextLine);

    const float alpha = values.number(Sign::aAlpha);
    const float textAlpha = values.number(Sign::aTextAlpha);
    if (displayStatus == kActiveStatus) {
        look.shape = {1.0f, 1.0f, 1.0f, alpha};
        look.label = {1.0f, 1.0f, 1.0f, textAlpha};
    } else if (displayStatus == kLeadStatus) {
        const float r = 0.2627451f, g = 1.0f, b = 0.6392157f;
        look.shape = {r, g, b, alpha};
        look.label = {r, g, b, textAlpha};
    } else {
        look.shape = values.color(Sign::aColor, alpha);
        look.label = values.color(Sign::aTextColor, textAlpha);
    }
    return look;
}

std::vector<MPointArray> readCurvePolygons(const MObject& node) {
    MPlug positions = MFnDagNode(node).findPlug(Sign::aCvPositions, true);
    std::vector<MPointArray> polygons;
    // Evaluating the count first brings the output up to date with the connected curves.
    const unsigned int count = positions.evaluateNumElements();
    for (unsigned int i = 0; i < count; ++i) {
        // By physical index: drawing never creates elements, even in a stored output with gaps.
        MObject data;
        positions.elementByPhysicalIndex(i).getValue(data);
        const MPointArray points = MFnPointArrayData(data).array();
        if (points.length() >= 2)
            polygons.push_back(points);
    }
    return polygons;
}

MMatrix signLocalFrame(const SignLook& look) {
    MMatrix scale;
    for (int axis = 0; axis < 3; ++axis)
        scale.matrix[axis][axis] = look.scale[axis];
    MMatrix translation;
    for (int axis = 0; axis < 3; ++axis)
        translation.matrix[3][axis] = look.position[axis];
    return scale * rotation(2, look.rotation[2]) * rotation(1, look.rotation[1]) *
           rotation(0, look.rotation[0]) * translation;
}
