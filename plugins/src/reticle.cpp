// The reticle's attributes, its life cycle and what it tells the viewport about itself.
#include "reticle.h"

#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnData.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnStringData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MPoint.h>
#include <maya/MTime.h>

#include <initializer_list>

const MString Reticle::nodeTypeName("reticle");
const MTypeId Reticle::nodeTypeId(0x121EC8);
const MString Reticle::drawDbClassification("drawdb/geometry/reticle");

MObject Reticle::aDrawingEnabled;
MObject Reticle::aEnableTextDrawing;
MObject Reticle::aHorizontalFilmAperture;
MObject Reticle::aVerticalFilmAperture;
MObject Reticle::aFilmbackAperture;
MObject Reticle::aAspectRatio;
MObject Reticle::aDisplayMode;
MObject Reticle::aAspectMaskColor;
MObject Reticle::aAspectMaskTrans;
MObject Reticle::aAspectLineColor;
MObject Reticle::aAspectLineTrans;
MObject Reticle::aAspectDisplaySafeTitle;
MObject Reticle::aAspectDisplaySafeAction;
MObject Reticle::aAspectRatios;
MObject Reticle::aTextType;
MObject Reticle::aTextStr;
MObject Reticle::aTextSize;
MObject Reticle::aTextAlign;
MObject Reticle::aTextPosX;
MObject Reticle::aTextPosY;
MObject Reticle::aTextPos;
MObject Reticle::aTextPosRel;
MObject Reticle::aTextLevel;
MObject Reticle::aTextARLevel;
MObject Reticle::aTextColor;
MObject Reticle::aTextTrans;
MObject Reticle::aText;
MObject Reticle::aLineColor;
MObject Reticle::aLineTrans;
MObject Reticle::aDisplayLineH;
MObject Reticle::aDisplayLineV;
MObject Reticle::aDisplayThirdsH;
MObject Reticle::aDisplayThirdsV;
MObject Reticle::aDisplayCrosshair;
MObject Reticle::aTime;

namespace {

// Every setting but the compounds and the time goes through setInternalValueInContext, which
// marks the cached copies out of date.
MObject internalNumber(const char* name, const char* shortName, MFnNumericData::Type kind,
                       double defaultValue) {
    MFnNumericAttribute attribute;
    MObject object = attribute.create(name, shortName, kind, defaultValue);
    attribute.setInternal(true);
    return object;
}

MObject transparency(const char* name, const char* shortName, double defaultValue) {
    MObject object = internalNumber(name, shortName, MFnNumericData::kFloat, defaultValue);
    MFnNumericAttribute attribute(object);
    attribute.setMin(0.0);
    attribute.setMax(1.0);
    return object;
}

MObject colour(const char* name, const char* shortName, float r, float g, float b) {
    MFnNumericAttribute attribute;
    MObject object = attribute.createColor(name, shortName);
    attribute.setDefault(r, g, b);
    attribute.setInternal(true);
    attribute.setUsedAsColor(true);
    return object;
}

struct EnumField {
    const char* label;
    short value;
};

template <std::size_t N>
MObject enumeration(const char* name, const char* shortName, const EnumField (&fields)[N],
                    short defaultValue = 0) {
    MFnEnumAttribute attribute;
    MObject object = attribute.create(name, shortName, defaultValue);
    for (const EnumField& field : fields)
        attribute.addField(field.label, field.value);
    attribute.setInternal(true);
    return object;
}

MObject pair(const char* name, const char* shortName, const MObject& first, const MObject& second) {
    MFnNumericAttribute attribute;
    return attribute.create(name, shortName, first, second);
}

MObject elementArray(const char* name, const char* shortName,
                     std::initializer_list<const MObject*> children) {
    MFnCompoundAttribute attribute;
    MObject object = attribute.create(name, shortName);
    for (const MObject* child : children)
        attribute.addChild(*child);
    attribute.setArray(true);
    attribute.setIndexMatters(true);
    return object;
}

MObject textString() {
    MFnStringData empty;
    MFnTypedAttribute attribute;
    MObject object = attribute.create("textStr", "tstr", MFnData::kString, empty.create(""));
    attribute.setInternal(true);
    attribute.setConnectable(false);
    return object;
}

MObject sceneTime() {
    MFnUnitAttribute attribute;
    return attribute.create("time", "tm", MFnUnitAttribute::kTime, 0.0);
}

const EnumField kDisplayModes[] = {{"none", 0}, {"lines", 1}, {"Transparent Mask", 2}};
const EnumField kTextTypes[] = {
    {"String", 0},      {"Lens", 1},       {"Camera", 2},      {"Frame", 3}, {"Frame And Range", 4},
    {"Frame Start", 5}, {"Frame End", 6},  {"Frame Range", 7}, {"User", 8},  {"Current File", 9},
    {"File Path", 10},  {"File Name", 11}, {"Date", 12}};
const EnumField kTextSizes[] = {{"Small", 0}, {"Medium", 1}, {"Large", 2}};
const EnumField kTextAligns[] = {{"Left", 0}, {"Center", 1}, {"Right", 2}};
const EnumField kTextAnchors[] = {{"Bottom Left", 0}, {"Bottom Center", 1}, {"Bottom Right", 2},
                                  {"Middle Left", 3}, {"Center", 4},        {"Middle Right", 5},
                                  {"Top Left", 6},    {"Top Center", 7},    {"Top Right", 8}};
const EnumField kTextLevels[] = {{"Window", 0}, {"Filmback", 1}, {"Aspect Ratio", 2}};

} // namespace

Reticle::Reticle() = default;

Reticle::~Reticle() {}

void* Reticle::creator() {
    return new Reticle();
}

MStatus Reticle::initialize() {
    const MFnNumericData::Type kBool = MFnNumericData::kBoolean;
    const MFnNumericData::Type kFloat = MFnNumericData::kFloat;
    aDrawingEnabled = internalNumber("drawingEnabled", "en", kBool, 1.0);
    aEnableTextDrawing = internalNumber("enableTextDrawing", "etd", kBool, 1.0);
    aHorizontalFilmAperture = internalNumber("horizontalFilmAperture", "hfa", kFloat, 1.778);
    aVerticalFilmAperture = internalNumber("verticalFilmAperture", "vfa", kFloat, 1.0);
    aFilmbackAperture =
        pair("filmbackAperture", "cap", aHorizontalFilmAperture, aVerticalFilmAperture);

    aAspectRatio = internalNumber("aspectRatio", "ar", kFloat, 1.85);
    aDisplayMode = enumeration("displayMode", "dm", kDisplayModes, kAspectMask);
    aAspectMaskColor = colour("aspectMaskColor", "amc", 0.0f, 0.0f, 0.0f);
    aAspectMaskTrans = transparency("aspectMaskTrans", "amt", 0.75);
    aAspectLineColor = colour("aspectLineColor", "alc", 0.8f, 0.8f, 0.8f);
    aAspectLineTrans = transparency("aspectLineTrans", "alt", 0.0);
    aAspectDisplaySafeTitle = internalNumber("aspectDisplaySafeTitle", "adst", kBool, 0.0);
    aAspectDisplaySafeAction = internalNumber("aspectDisplaySafeAction", "adsa", kBool, 0.0);
    // The refresh reads the children by index: safe action comes before safe title.
    aAspectRatios = elementArray("aspectRatios", "ars",
                                 {&aAspectRatio, &aDisplayMode, &aAspectMaskColor,
                                  &aAspectMaskTrans, &aAspectLineColor, &aAspectLineTrans,
                                  &aAspectDisplaySafeAction, &aAspectDisplaySafeTitle});

    aTextType = enumeration("textType", "ttyp", kTextTypes);
    aTextStr = textString();
    aTextSize = enumeration("textSize", "ts", kTextSizes);
    aTextAlign = enumeration("textAlign", "ta", kTextAligns);
    aTextPosX = internalNumber("textPosX", "tpx", kFloat, 0.0);
    aTextPosY = internalNumber("textPosY", "tpy", kFloat, 0.0);
    aTextPos = pair("textPos", "tp", aTextPosX, aTextPosY);
    aTextPosRel = enumeration("textPosRel", "tpr", kTextAnchors);
    aTextLevel = enumeration("textLevel", "tl", kTextLevels);
    aTextARLevel = internalNumber("textARLevel", "tarl", MFnNumericData::kInt, 0.0);
    aTextColor = colour("textColor", "tc", 1.0f, 1.0f, 1.0f);
    aTextTrans = transparency("textTrans", "tt", 0.5);
    aText = elementArray("text", "txt",
                         {&aTextType, &aTextStr, &aTextSize, &aTextAlign, &aTextPos, &aTextPosRel,
                          &aTextLevel, &aTextARLevel, &aTextColor, &aTextTrans});

    aLineColor = colour("lineColor", "lc", 1.0f, 1.0f, 0.0f);
    aLineTrans = transparency("lineTrans", "lt", 0.5);
    aDisplayLineH = internalNumber("displayLineH", "dlh", kBool, 0.0);
    aDisplayLineV = internalNumber("displayLineV", "dlv", kBool, 0.0);
    aDisplayThirdsH = internalNumber("displayThirdsH", "dth", kBool, 0.0);
    aDisplayThirdsV = internalNumber("displayThirdsV", "dtv", kBool, 0.0);
    aDisplayCrosshair = internalNumber("displayCrosshair", "dlc", kBool, 0.0);
    aTime = sceneTime();

    // A compound brings its children with it.
    const MObject* attributes[] = {&aEnableTextDrawing,
                                   &aDrawingEnabled,
                                   &aFilmbackAperture,
                                   &aAspectRatios,
                                   &aText,
                                   &aLineColor,
                                   &aLineTrans,
                                   &aDisplayLineH,
                                   &aDisplayLineV,
                                   &aDisplayThirdsH,
                                   &aDisplayThirdsV,
                                   &aDisplayCrosshair,
                                   &aTime};
    for (const MObject* attribute : attributes)
        addAttribute(*attribute);
    return MS::kSuccess;
}

void Reticle::postConstructor() {
    dirty = true;
}

bool Reticle::setInternalValueInContext(const MPlug& plug, const MDataHandle&, MDGContext&) {
    // Moving the locator or templating it changes nothing the overlay caches.
    if (plug != MPxLocatorNode::worldInverseMatrix && plug != MPxLocatorNode::isTemplated)
        dirty = true;
    // Maya keeps the value in the data block, where plug reads find it.
    return false;
}

MStatus Reticle::setDependentsDirty(const MPlug& plug, MPlugArray&) {
    if (plug == aTime)
        timeChanged = true;
    // A pair set as a whole changes its internal children without their own change notice.
    if (plug == aFilmbackAperture || plug == aTextPos)
        dirty = true;
    return MS::kSuccess;
}

bool Reticle::isBounded() const {
    return true;
}

MBoundingBox Reticle::boundingBox() const {
    // Never culled: the overlay belongs to the view, not to the locator's place in the scene.
    const double far = 1000000.0;
    return MBoundingBox(MPoint(-far, -far, -far), MPoint(far, far, far));
}

bool Reticle::excludeAsLocator() const {
    return false;
}

bool Reticle::isTransparent() const {
    return true;
}

bool Reticle::drawLast() const {
    return true;
}
