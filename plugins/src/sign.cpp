#include "sign.h"
#include "signShapes.h"

#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataHandle.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnData.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MTypes.h>

const MString Sign::nodeTypeName("sign");
const MTypeId Sign::nodeTypeId(0x121EC7);
const MString Sign::drawDbClassification("drawdb/geometry/sign");

MObject Sign::aLocalRotateX;
MObject Sign::aLocalRotateY;
MObject Sign::aLocalRotateZ;
MObject Sign::aLocalRotate;
MObject Sign::aType;
MObject Sign::aInputCurve;
MObject Sign::aCvPositions;
MObject Sign::aEnableTailLine;
MObject Sign::aTailLineVectorX;
MObject Sign::aTailLineVectorY;
MObject Sign::aTailLineVectorZ;
MObject Sign::aTailLineVector;
MObject Sign::aRadius;
MObject Sign::aWidth;
MObject Sign::aColor;
MObject Sign::aAlpha;
MObject Sign::aText;
MObject Sign::aTextPositionX;
MObject Sign::aTextPositionY;
MObject Sign::aTextPositionZ;
MObject Sign::aTextPosition;
MObject Sign::aTextColor;
MObject Sign::aTextAlpha;
MObject Sign::aEnableTextLine;

namespace {
enum Flags { kKeyableStorable = 0, kRenderSource = 1 };

void setFlags(MFnAttribute& attribute, Flags flags) {
    attribute.setKeyable(true);
    attribute.setStorable(true);
    if (flags == kRenderSource)
        attribute.setRenderSource(true);
}

MObject numeric(const char* name, const char* shortName, MFnNumericData::Type kind,
                double defaultValue, Flags flags = kKeyableStorable) {
    MFnNumericAttribute attribute;
    MObject object = attribute.create(name, shortName, kind, defaultValue);
    setFlags(attribute, flags);
    return object;
}

MObject softRange(MObject object, double softMin, double softMax) {
    MFnNumericAttribute attribute(object);
    attribute.setSoftMin(softMin);
    attribute.setSoftMax(softMax);
    return object;
}

MObject opacity(const char* name, const char* shortName) {
    return softRange(numeric(name, shortName, MFnNumericData::kFloat, 1.0, kRenderSource), 0.0,
                     1.0);
}

MObject colorAttribute(const char* name, const char* shortName) {
    MFnNumericAttribute attribute;
    MObject object = attribute.createColor(name, shortName);
    attribute.setDefault(0.0f, 0.2745098f, 0.0980392f);
    setFlags(attribute, kRenderSource);
    return object;
}

MObject compound(const char* name, const char* shortName, const MObject& x, const MObject& y,
                 const MObject& z) {
    MFnCompoundAttribute attribute;
    MObject object = attribute.create(name, shortName);
    attribute.addChild(x);
    attribute.addChild(y);
    attribute.addChild(z);
    return object;
}

MObject storedArray(const char* name, const char* shortName, MFnData::Type kind) {
    MFnTypedAttribute attribute;
    MObject object = attribute.create(name, shortName, kind);
    attribute.setStorable(true);
    attribute.setArray(true);
    return object;
}

MObject shapeType() {
    MFnEnumAttribute attribute;
    MObject object = attribute.create("type", "typ", 0);
    for (std::size_t i = 0; i < kSignShapeCount; ++i)
        attribute.addField(kSignShapes[i].label, kSignShapes[i].value);
    setFlags(attribute, kKeyableStorable);
    return object;
}

MObject text() {
    MFnTypedAttribute attribute;
    MObject object = attribute.create("text", "tx", MFnData::kString);
    attribute.setKeyable(false);
    attribute.setStorable(true);
    return object;
}
} // namespace

Sign::~Sign() {}

void* Sign::creator() {
    return new Sign();
}

MStatus Sign::initialize() {
    aLocalRotateX = numeric("localRotateX", "lrx", MFnNumericData::kFloat, 0.0);
    aLocalRotateY = numeric("localRotateY", "lry", MFnNumericData::kFloat, 0.0);
    aLocalRotateZ = numeric("localRotateZ", "lrz", MFnNumericData::kFloat, 0.0);
    aLocalRotate = compound("localRotate", "lr", aLocalRotateX, aLocalRotateY, aLocalRotateZ);
    aType = shapeType();
    aInputCurve = storedArray("inputCurve", "ic", MFnData::kNurbsCurve);
    aCvPositions = storedArray("cvPositions", "cvp", MFnData::kPointArray);
    // compute fills it through an array data builder, which Maya allows only when asked for.
    MFnTypedAttribute(aCvPositions).setUsesArrayDataBuilder(true);
    aEnableTailLine = numeric("enableTailLine", "et", MFnNumericData::kBoolean, 0.0, kRenderSource);
    aTailLineVectorX = numeric("tailLineVectorX", "tlx", MFnNumericData::kFloat, 0.0);
    aTailLineVectorY = numeric("tailLineVectorY", "tly", MFnNumericData::kFloat, 1.0);
    aTailLineVectorZ = numeric("tailLineVectorZ", "tlz", MFnNumericData::kFloat, 0.0);
    aTailLineVector =
        compound("tailLineVector", "tl", aTailLineVectorX, aTailLineVectorY, aTailLineVectorZ);
    aRadius = numeric("radius", "ra", MFnNumericData::kFloat, 1.0, kRenderSource);
    aWidth = softRange(numeric("width", "w", MFnNumericData::kInt, 1.0, kRenderSource), 0.0, 10.0);
    aColor = colorAttribute("color", "col");
    aAlpha = opacity("alpha", "a");
    aText = text();
    aTextPositionX = numeric("textPositionX", "tpx", MFnNumericData::kFloat, 0.0);
    aTextPositionY = numeric("textPositionY", "tpy", MFnNumericData::kFloat, 0.0);
    aTextPositionZ = numeric("textPositionZ", "tpz", MFnNumericData::kFloat, 0.0);
    aTextPosition = compound("textPosition", "tp", aTextPositionX, aTextPositionY, aTextPositionZ);
    aTextColor = colorAttribute("textColor", "tc");
    aTextAlpha = opacity("textAlpha", "ta");
    aEnableTextLine =
        numeric("enableTextLine", "etl", MFnNumericData::kBoolean, 1.0, kRenderSource);

    // A compound brings its children with it.
    const MObject* attributes[] = {
        &aLocalRotate,    &aType,         &aInputCurve, &aCvPositions, &aEnableTailLine,
        &aTailLineVector, &aRadius,       &aWidth,      &aColor,       &aAlpha,
        &aText,           &aTextPosition, &aTextColor,  &aTextAlpha,   &aEnableTextLine};
    for (const MObject* attribute : attributes)
        addAttribute(*attribute);

    attributeAffects(aType, aCvPositions);
    attributeAffects(aInputCurve, aCvPositions);
    return MS::kSuccess;
}

MStatus Sign::compute(const MPlug& plug, MDataBlock& data) {
    if (plug != aCvPositions)
        return MS::kUnknownParameter;

    MArrayDataHandle curves = data.inputArrayValue(aInputCurve);
    MArrayDataHandle positions = data.outputArrayValue(aCvPositions);
    const unsigned int count = curves.elementCount();
    // Renumbered 0..count-1 whatever the inputs' logical indices are.
    MArrayDataBuilder builder(&data, aCvPositions, count);
    for (unsigned int i = 0; i < count; ++i) {
        curves.jumpToArrayElement(i);
        MPointArray cvs; // stays empty when the element holds no valid curve
        MFnNurbsCurve curve(curves.inputValue().asNurbsCurve());
        curve.getCVs(cvs, MSpace::kObject);
        MFnPointArrayData points;
        MObject pointData = points.create(cvs);
        builder.addElement(i).set(pointData);
    }
    positions.set(builder);
    positions.setAllClean();
    data.setClean(plug);
    return MS::kSuccess;
}

bool Sign::isBounded() const {
    return true;
}

bool Sign::isTransparent() const {
    return true;
}

MBoundingBox Sign::boundingBox() const {
    MFnDagNode node(thisMObject());
    float radius = 0.0f;
    float scale[3] = {0.0f, 0.0f, 0.0f};
    node.findPlug(aRadius, true).getValue(radius);
    node.findPlug(localScaleX, true).getValue(scale[0]);
    node.findPlug(localScaleY, true).getValue(scale[1]);
    node.findPlug(localScaleZ, true).getValue(scale[2]);
    const float x = scale[0] * radius;
    const float y = scale[1] * radius;
    const float z = scale[2] * radius;
    return MBoundingBox(MPoint(-x, -y, -z), MPoint(x, y, z));
}
