#include "scene/attribute_text.h"

#include "core/internal.h"
#include "scene/curve_geometry.h"
#include "scene/geometry_data.h"
#include "scene/mel_values.h"
#include "scene/mesh_geometry.h"
#include "scene/mesh_storage.h"
#include "scene/poly_face_data.h"
#include "scene/units.h"
#include "scene/word_reader.h"

#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MFnStringData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MMatrix.h>
#include <maya/MPointArray.h>
#include <maya/MTime.h>

namespace scene {

namespace {

bool isCompound(const MObject& a) {
    return a.hasFn(MFn::kCompoundAttribute);
}
bool isNumericCompound(const MObject& a) {
    return isCompound(a) && a.hasFn(MFn::kNumericAttribute);
}
bool isTyped(const MObject& a) {
    return a.hasFn(MFn::kTypedAttribute);
}
bool isMatrix(const MObject& a) {
    return a.hasFn(MFn::kMatrixAttribute) || a.hasFn(MFn::kFloatMatrixAttribute) ||
           (isTyped(a) && MFnTypedAttribute(a).attrType() == MFnData::kMatrix);
}

const char* numericCompoundType(const MObject& a) {
    switch (MFnNumericAttribute(a).unitType()) {
    case MFnNumericData::k2Short:
        return "short2";
    case MFnNumericData::k3Short:
        return "short3";
    case MFnNumericData::k2Int:
        return "long2";
    case MFnNumericData::k3Int:
        return "long3";
    case MFnNumericData::k2Float:
        return "float2";
    case MFnNumericData::k3Float:
        return "float3";
    case MFnNumericData::k2Double:
        return "double2";
    case MFnNumericData::k3Double:
        return "double3";
    case MFnNumericData::k4Double:
        return "double4";
    default:
        return "";
    }
}

enum class Leaf { Bool, Int, Float, Double, Time, Other };

Leaf leafOf(const MObject& a) {
    if (a.hasFn(MFn::kEnumAttribute))
        return Leaf::Int;
    if (a.hasFn(MFn::kTimeAttribute))
        return Leaf::Time;
    if (a.hasFn(MFn::kUnitAttribute))
        return Leaf::Double;
    if (!a.hasFn(MFn::kNumericAttribute) || isCompound(a))
        return Leaf::Other;
    switch (MFnNumericAttribute(a).unitType()) {
    case MFnNumericData::kBoolean:
        return Leaf::Bool;
    case MFnNumericData::kByte:
    case MFnNumericData::kChar:
    case MFnNumericData::kShort:
    case MFnNumericData::kInt:
    case MFnNumericData::kInt64:
        return Leaf::Int;
    case MFnNumericData::kFloat:
        return Leaf::Float;
    default:
        return Leaf::Double;
    }
}

// The plugs of a value's leaves in child order; false when one of them is not a plain value.
bool collectLeaves(const MPlug& plug, std::vector<MPlug>& out) {
    MObject a = plug.attribute();
    if (!isCompound(a)) {
        out.push_back(plug);
        return leafOf(a) != Leaf::Other;
    }
    for (unsigned int i = 0; i < plug.numChildren(); ++i) {
        MPlug child = plug.child(i);
        if (child.isArray() || !collectLeaves(child, out))
            return false;
    }
    return true;
}

// Distances and angles are written in the UI units (currentUnit) and kept in the host's.
double inHostUnits(const MPlug& plug, double value) {
    return toInternal(unitKindOf(plug.attribute()), value);
}
double inUiUnits(const MPlug& plug, double value) {
    return fromInternal(unitKindOf(plug.attribute()), value);
}

MStatus setLeaf(const MPlug& plug, const std::string& word, std::string& error) {
    double number = 0;
    bool flag = false;
    int integer = 0;
    MPlug target(plug);
    switch (leafOf(plug.attribute())) {
    case Leaf::Bool:
        if (parseBool(word, flag))
            return target.setValue(flag);
        break;
    case Leaf::Int:
        if (parseInt(word, integer))
            return target.setValue(integer);
        break;
    case Leaf::Float:
        if (parseDouble(word, number))
            return target.setValue(static_cast<float>(inHostUnits(plug, number)));
        break;
    case Leaf::Double:
        if (parseDouble(word, number))
            return target.setValue(inHostUnits(plug, number));
        break;
    case Leaf::Time:
        if (parseDouble(word, number))
            return target.setValue(MTime(number, MTime::uiUnit()));
        break;
    case Leaf::Other:
        error = "cannot set " + std::string(plug.name().asChar()) + " from a number";
        return MS::kInvalidParameter;
    }
    error = "bad value '" + word + "' for " + plug.name().asChar();
    return MS::kInvalidParameter;
}

bool leafParses(const MPlug& plug, const std::string& word) {
    double number = 0;
    bool flag = false;
    switch (leafOf(plug.attribute())) {
    case Leaf::Bool:
        return parseBool(word, flag);
    case Leaf::Other:
        return false;
    default:
        return parseDouble(word, number);
    }
}

std::string leafText(const MPlug& plug) {
    switch (leafOf(plug.attribute())) {
    case Leaf::Bool:
        return plug.asBool() ? "yes" : "no";
    case Leaf::Int:
        return std::to_string(plug.asInt());
    case Leaf::Float:
        return formatFloat(static_cast<float>(inUiUnits(plug, plug.asFloat())));
    case Leaf::Time:
        return formatDouble(plug.asMTime().as(MTime::uiUnit()));
    default:
        return formatDouble(inUiUnits(plug, plug.asDouble()));
    }
}

double leafNumber(const MPlug& plug) {
    Leaf leaf = leafOf(plug.attribute());
    if (leaf == Leaf::Time)
        return plug.asMTime().as(MTime::uiUnit());
    if (leaf == Leaf::Float)
        return inUiUnits(plug, plug.asFloat());
    return leaf == Leaf::Int || leaf == Leaf::Bool ? plug.asInt()
                                                   : inUiUnits(plug, plug.asDouble());
}

MStatus setData(const MPlug& plug, MObject data) {
    MPlug target(plug);
    return target.setValue(data);
}

MStatus setTyped(const MPlug& plug, const std::string& type, const std::vector<std::string>& words,
                 size_t& next, std::string& error) {
    MObject a = plug.attribute();
    const MFnData::Type dataType = isMatrix(a) ? MFnData::kMatrix : MFnTypedAttribute(a).attrType();
    WordReader in(words, next);
    auto expect = [&](MFnData::Type want, const char* name) {
        if (type == name && dataType == want)
            return true;
        error = std::string("setAttr -type \"") + (type.empty() ? "?" : type) + "\" does not fit " +
                plug.name().asChar();
        return false;
    };
    if (type == "string" && expect(MFnData::kString, "string")) {
        if (next >= words.size()) {
            error = "missing string value";
            return MS::kInvalidParameter;
        }
        return setData(plug, MFnStringData().create(words[next++].c_str()));
    }
    if (type == "matrix" && expect(MFnData::kMatrix, "matrix")) {
        double m[4][4];
        for (auto& row : m)
            for (double& v : row)
                if (!in.number(v)) {
                    error = "a matrix needs 16 numbers";
                    return MS::kInvalidParameter;
                }
        return setData(plug, MFnMatrixData().create(MMatrix(m)));
    }
    if (type == "pointArray" && expect(MFnData::kPointArray, "pointArray")) {
        size_t count = 0;
        MPointArray points;
        bool ok = in.count(count);
        for (size_t i = 0; ok && i < count; ++i) {
            double p[4];
            ok = in.number(p[0]) && in.number(p[1]) && in.number(p[2]) && in.number(p[3]);
            points.append(p[0], p[1], p[2], p[3]);
        }
        if (!ok) {
            error = "a point array needs a count and x y z w per point";
            return MS::kInvalidParameter;
        }
        return setData(plug, MFnPointArrayData().create(points));
    }
    if (type == "nurbsCurve" && expect(MFnData::kNurbsCurve, "nurbsCurve")) {
        CurveGeometry curve;
        error = parseCurve(words, next, curve);
        return error.empty() ? setData(plug, newCurveData(&curve)) : MS::kInvalidParameter;
    }
    if (type == "componentList" && expect(MFnData::kAny, "componentList")) {
        size_t count = 0;
        if (!in.count(count)) {
            error = "a component list needs a count and that many components";
            return MS::kInvalidParameter;
        }
        std::vector<std::string> items(words.begin() + next, words.begin() + next + count);
        next += count;
        return setData(plug, newComponentListData(std::move(items)));
    }
    if (type == "polyFaces" && expect(MFnData::kAny, "polyFaces")) {
        PolyFace face;
        error = parsePolyFace(words, next, face);
        return error.empty() ? setData(plug, newPolyFaceData(face)) : MS::kInvalidParameter;
    }
    if (type == "mesh" && expect(MFnData::kMesh, "mesh")) {
        MeshGeometry mesh;
        error = parseMesh(words, next, mesh);
        return error.empty() ? setData(plug, newMeshData(mesh)) : MS::kInvalidParameter;
    }
    if (error.empty())
        error = type.empty() ? std::string(plug.name().asChar()) + " needs setAttr -type"
                             : "unsupported setAttr -type \"" + type + "\"";
    return MS::kInvalidParameter;
}

} // namespace

std::string impliedDataType(const MPlug& plug) {
    return plug.attribute() == meshStorage().faces ? "polyFaces" : "";
}

MStatus setPlugFromWords(const MPlug& plug, const std::string& type,
                         const std::vector<std::string>& words, size_t& next, std::string& error) {
    MObject a = plug.attribute();
    if (isTyped(a) || isMatrix(a))
        return setTyped(plug, type.empty() ? impliedDataType(plug) : type, words, next, error);
    std::vector<MPlug> leaves;
    if (!collectLeaves(plug, leaves)) {
        error = std::string(plug.name().asChar()) + " cannot be set from numbers";
        return MS::kInvalidParameter;
    }
    if (words.size() - next < leaves.size()) {
        error = std::string(plug.name().asChar()) + " needs " + std::to_string(leaves.size()) +
                " value(s)";
        return MS::kInvalidParameter;
    }
    // Every word is checked before anything is set, so a bad value changes nothing.
    for (size_t i = 0; i < leaves.size(); ++i)
        if (!leafParses(leaves[i], words[next + i])) {
            error = "bad value '" + words[next + i] + "' for " + leaves[i].name().asChar();
            return MS::kInvalidParameter;
        }
    for (const MPlug& leaf : leaves) {
        MStatus status = setLeaf(leaf, words[next++], error);
        if (!status)
            return status;
    }
    return MS::kSuccess;
}

bool arrayNumbersFromWords(const MPlug& element, const std::vector<std::string>& words,
                           std::vector<double>& numbers) {
    std::vector<MPlug> leaves;
    if (isTyped(element.attribute()) || !collectLeaves(element, leaves) || leaves.empty() ||
        words.size() % leaves.size() != 0)
        return false;
    std::vector<Leaf> kinds;
    std::vector<UnitKind> units;
    for (const MPlug& leaf : leaves) {
        kinds.push_back(leafOf(leaf.attribute()));
        units.push_back(unitKindOf(leaf.attribute()));
        if (kinds.back() == Leaf::Time || kinds.back() == Leaf::Other)
            return false;
    }
    numbers.resize(words.size());
    for (size_t i = 0; i < words.size(); ++i) {
        const size_t k = i % leaves.size();
        bool flag = false;
        int integer = 0;
        if (kinds[k] == Leaf::Bool && parseBool(words[i], flag))
            numbers[i] = flag ? 1.0 : 0.0;
        else if (kinds[k] == Leaf::Int && parseInt(words[i], integer))
            numbers[i] = integer;
        else if (kinds[k] == Leaf::Int || !parseDouble(words[i], numbers[i]))
            return false;
        else
            numbers[i] = toInternal(units[k], numbers[i]);
    }
    return true;
}

size_t valueWordCount(const MPlug& plug) {
    MObject a = plug.attribute();
    std::vector<MPlug> leaves;
    if (isTyped(a) || isMatrix(a) || !collectLeaves(plug, leaves))
        return 0;
    return leaves.size();
}

bool plugValueText(const MPlug& plug, std::string& text) {
    MObject a = plug.attribute();
    if (isTyped(a) || isMatrix(a)) {
        MObject data = plug.asMObject();
        if (data.isNull())
            return false;
        if (data.hasFn(MFn::kStringData)) {
            text = "-type \"string\" " + quoteMel(MFnStringData(data).string().asChar());
        } else if (data.hasFn(MFn::kMatrixData)) {
            const MMatrix& m = MFnMatrixData(data).matrix();
            text = "-type \"matrix\"";
            for (const auto& row : m.matrix)
                for (double v : row)
                    text += " " + formatDouble(v);
        } else if (data.hasFn(MFn::kPointArrayData)) {
            MPointArray points;
            MFnPointArrayData(data).copyTo(points);
            text = "-type \"pointArray\" " + std::to_string(points.length());
            for (unsigned int i = 0; i < points.length(); ++i)
                text += " " + formatDouble(points[i].x) + " " + formatDouble(points[i].y) + " " +
                        formatDouble(points[i].z) + " " + formatDouble(points[i].w);
        } else if (auto* curve = mcore::dataObject<CurveData>(data)) {
            if (!curve->valid)
                return false;
            text = "-type \"nurbsCurve\" " + formatCurve(curve->curve);
        } else if (auto* mesh = mcore::dataObject<MeshData>(data)) {
            text = "-type \"mesh\" " + formatMesh(mesh->mesh);
        } else if (auto* face = mcore::dataObject<PolyFaceData>(data)) {
            text = "-type \"polyFaces\" " + formatPolyFace(face->face);
        } else if (auto* list = mcore::dataObject<ComponentListData>(data)) {
            text = "-type \"componentList\" " + std::to_string(list->items.size());
            for (const std::string& item : list->items)
                text += " " + quoteMel(item);
        } else {
            return false;
        }
        return true;
    }
    std::vector<MPlug> leaves;
    if (!collectLeaves(plug, leaves))
        return false;
    text = isNumericCompound(a) ? std::string("-type \"") + numericCompoundType(a) + "\"" : "";
    for (const MPlug& leaf : leaves)
        text += (text.empty() ? "" : " ") + leafText(leaf);
    return true;
}

MStatus plugValues(const MPlug& plug, std::vector<double>& numbers, std::string& text, bool& isText,
                   std::string& error) {
    MObject a = plug.attribute();
    numbers.clear();
    isText = false;
    if (isTyped(a) && MFnTypedAttribute(a).attrType() == MFnData::kString) {
        isText = true;
        text = plug.asString().asChar();
        return MS::kSuccess;
    }
    std::vector<MPlug> leaves;
    if (isTyped(a) || isMatrix(a) || !collectLeaves(plug, leaves)) {
        error = "getAttr cannot show the value of " + std::string(plug.name().asChar());
        return MS::kInvalidParameter;
    }
    for (const MPlug& leaf : leaves)
        numbers.push_back(leafNumber(leaf));
    return MS::kSuccess;
}

namespace {

const char* numericTypeName(MFnNumericData::Type type) {
    switch (type) {
    case MFnNumericData::kBoolean:
        return "bool";
    case MFnNumericData::kByte:
        return "byte";
    case MFnNumericData::kChar:
        return "char";
    case MFnNumericData::kShort:
        return "short";
    case MFnNumericData::kInt:
        return "long";
    case MFnNumericData::kFloat:
        return "float";
    case MFnNumericData::kDouble:
        return "double";
    default:
        return nullptr;
    }
}

const char* dataTypeName(MFnData::Type type) {
    switch (type) {
    case MFnData::kString:
        return "string";
    case MFnData::kMatrix:
        return "matrix";
    case MFnData::kPointArray:
        return "pointArray";
    case MFnData::kNurbsCurve:
        return "nurbsCurve";
    case MFnData::kMesh:
        return "mesh";
    default:
        return nullptr;
    }
}

std::string enumFields(const MFnEnumAttribute& fn) {
    short lo = 0, hi = -1;
    fn.getMin(lo);
    fn.getMax(hi);
    std::string fields;
    for (int i = lo; i <= hi; ++i) {
        MStatus status;
        MString name = fn.fieldName(static_cast<short>(i), &status);
        if (status)
            fields +=
                (fields.empty() ? "" : ":") + std::string(name.asChar()) + "=" + std::to_string(i);
    }
    return fields;
}

} // namespace

bool addAttrFlags(const MObject& attribute, std::string& flags) {
    if (attribute.hasFn(MFn::kEnumAttribute)) {
        MFnEnumAttribute fn(attribute);
        short def = 0;
        fn.getDefault(def);
        flags = "-dv " + std::to_string(def) + " -at \"enum\" -en " + quoteMel(enumFields(fn));
    } else if (attribute.hasFn(MFn::kTimeAttribute)) {
        MTime def;
        MFnUnitAttribute(attribute).getDefault(def);
        flags = "-dv " + formatDouble(def.as(MTime::uiUnit())) + " -at \"time\"";
    } else if (attribute.hasFn(MFn::kUnitAttribute)) {
        double def = 0;
        MFnUnitAttribute fn(attribute);
        fn.getDefault(def);
        flags = "-dv " + formatDouble(def) + " -at \"" +
                (fn.unitType() == MFnUnitAttribute::kAngle ? "doubleAngle" : "doubleLinear") + "\"";
    } else if (attribute.hasFn(MFn::kNumericAttribute) && !isCompound(attribute)) {
        MFnNumericAttribute fn(attribute);
        const char* type = numericTypeName(fn.unitType());
        if (!type)
            return false;
        double def = 0, lo = 0, hi = 0;
        fn.getDefault(def);
        flags = "-dv " + formatDouble(def);
        if (fn.hasMin() && fn.getMin(lo))
            flags += " -min " + formatDouble(lo);
        if (fn.hasMax() && fn.getMax(hi))
            flags += " -max " + formatDouble(hi);
        flags += std::string(" -at \"") + type + "\"";
    } else if (isMatrix(attribute)) {
        flags = "-dt \"matrix\"";
    } else if (isTyped(attribute)) {
        const char* type = dataTypeName(MFnTypedAttribute(attribute).attrType());
        if (!type)
            return false;
        flags = std::string("-dt \"") + type + "\"";
    } else {
        return false;
    }
    MFnAttribute fn(attribute);
    if (fn.isArray())
        flags += " -m";
    if (fn.isKeyable())
        flags += " -k true";
    return true;
}

} // namespace scene
