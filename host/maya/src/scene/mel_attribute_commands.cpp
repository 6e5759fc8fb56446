// setAttr, getAttr, addAttr, connectAttr, disconnectAttr.
#include "scene/attribute_text.h"
#include "scene/mel_commands.h"
#include "scene/mel_values.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MTime.h>

namespace scene {

namespace {

std::vector<std::string> texts(const std::vector<MelWord>& words, size_t from) {
    std::vector<std::string> out;
    for (size_t i = from; i < words.size(); ++i)
        out.push_back(words[i].text);
    return out;
}

MPlug findPlug(const std::string& name, const MelSession& session, std::string& error) {
    std::string full = resolvePlugName(name, session);
    // A DAG path names its last node: "|group|node.attr" -> "node.attr".
    size_t bar = full.rfind('|', full.find('.'));
    if (bar != std::string::npos)
        full = full.substr(bar + 1);
    MStatus status;
    MPlug plug = hostkit::findPlug(full, &status);
    if (!status || plug.isNull()) {
        error = "No object matches name: " + name;
        return MPlug();
    }
    return plug;
}

// "node.attr[2:5]": the array part and the index range; false when there is no range.
bool splitRange(const std::string& name, std::string& array, unsigned& first, unsigned& last) {
    size_t open = name.rfind('[');
    size_t colon = name.find(':', open == std::string::npos ? name.size() : open);
    if (open == std::string::npos || colon == std::string::npos || name.back() != ']')
        return false;
    int a = 0, b = 0;
    if (!parseInt(name.substr(open + 1, colon - open - 1), a) ||
        !parseInt(name.substr(colon + 1, name.size() - colon - 2), b) || a < 0 || b < a)
        return false;
    array = name.substr(0, open);
    first = static_cast<unsigned>(a);
    last = static_cast<unsigned>(b);
    return true;
}

MStatus setAttr(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    const auto& words = args.positional();
    if (words.empty()) {
        error = "needs an attribute";
        return MS::kInvalidParameter;
    }
    std::vector<std::string> values = texts(words, 1);
    if (values.empty()) {
        // Flags alone (size, lock, keyable) change nothing the stand-in keeps.
        if (args.has("size") || args.has("lock") || args.has("keyable") || args.has("channelBox"))
            return findPlug(words[0].text, session, error).isNull() ? MS::kInvalidParameter
                                                                    : MS::kSuccess;
        error = "no value given for " + words[0].text;
        return MS::kInvalidParameter;
    }
    const std::string type = args.value("type");
    std::vector<MPlug> plugs;
    std::string arrayName;
    unsigned first = 0, last = 0;
    if (splitRange(words[0].text, arrayName, first, last)) {
        MPlug array = findPlug(arrayName, session, error);
        if (array.isNull() || !array.isArray()) {
            error = error.empty() ? arrayName + " is not an array" : error;
            return MS::kInvalidParameter;
        }
        for (unsigned i = first; i <= last; ++i)
            plugs.push_back(array.elementByLogicalIndex(i));
    } else {
        plugs.push_back(findPlug(words[0].text, session, error));
        if (plugs.back().isNull())
            return MS::kInvalidParameter;
    }
    if (!type.empty() && plugs.size() > 1) {
        error = "a range of typed values is not supported";
        return MS::kNotImplemented;
    }
    const size_t needed = type.empty() ? valueWordCount(plugs.front()) * plugs.size() : 0;
    if (needed != 0 && needed != values.size()) {
        error = words[0].text + " needs " + std::to_string(needed) + " value(s), got " +
                std::to_string(values.size());
        return MS::kInvalidParameter;
    }
    size_t next = 0;
    for (const MPlug& plug : plugs) {
        MStatus status = setPlugFromWords(plug, type, values, next, error);
        if (!status)
            return status;
    }
    if (next != values.size()) {
        error = "too many values for " + words[0].text;
        return MS::kInvalidParameter;
    }
    return MS::kSuccess;
}

MStatus getAttr(const MelArgs& args, MelSession& session, MelResult& result, std::string& error) {
    if (args.positional().size() != 1) {
        error = "needs one attribute";
        return MS::kInvalidParameter;
    }
    MPlug plug = findPlug(args.positional()[0].text, session, error);
    if (plug.isNull())
        return MS::kInvalidParameter;
    std::string text;
    bool isText = false;
    MStatus status = plugValues(plug, result.numbers, text, isText, error);
    if (status && isText)
        result.strings.push_back(text);
    return status;
}

template <class T, size_t N>
bool lookUp(const std::pair<const char*, T> (&table)[N], const std::string& name, T& value) {
    for (const auto& [n, t] : table)
        if (name == n) {
            value = t;
            return true;
        }
    return false;
}

const std::pair<const char*, MFnNumericData::Type> kNumericTypes[] = {
    {"bool", MFnNumericData::kBoolean}, {"byte", MFnNumericData::kByte},
    {"char", MFnNumericData::kChar},    {"short", MFnNumericData::kShort},
    {"long", MFnNumericData::kInt},     {"int", MFnNumericData::kInt},
    {"float", MFnNumericData::kFloat},  {"double", MFnNumericData::kDouble}};

const std::pair<const char*, MFnData::Type> kDataTypes[] = {{"string", MFnData::kString},
                                                            {"matrix", MFnData::kMatrix},
                                                            {"pointArray", MFnData::kPointArray},
                                                            {"nurbsCurve", MFnData::kNurbsCurve},
                                                            {"mesh", MFnData::kMesh}};

// "A:B:C" or "A=1:B=5": fields numbered from 0, or by their "=value".
bool addEnumFields(MFnEnumAttribute& fn, const std::string& fields, std::string& error) {
    int value = 0;
    size_t start = 0;
    while (start <= fields.size() && !fields.empty()) {
        size_t end = fields.find(':', start);
        std::string field = fields.substr(start, end == std::string::npos ? end : end - start);
        size_t eq = field.find('=');
        if (eq != std::string::npos) {
            if (!parseInt(field.substr(eq + 1), value) || value < -32768 || value > 32767) {
                error = "bad enum field '" + field + "'";
                return false;
            }
            field.erase(eq);
        }
        fn.addField(field.c_str(), static_cast<short>(value++));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return true;
}

MObject createDynamicAttribute(const MelArgs& args, std::string& error) {
    const MString longName = args.value("longName").c_str();
    const MString shortName = args.value("shortName", args.value("longName")).c_str();
    const std::string at = args.value("attributeType"), dt = args.value("dataType");
    double def = 0.0;
    if (args.has("defaultValue") && !parseDouble(args.value("defaultValue"), def)) {
        error = "bad default value";
        return MObject();
    }
    MFnNumericData::Type numeric;
    MFnData::Type data;
    if (lookUp(kNumericTypes, at, numeric)) {
        MFnNumericAttribute fn;
        MObject attribute = fn.create(longName, shortName, numeric, def);
        double limit = 0.0;
        if (parseDouble(args.value("minValue", "x"), limit))
            fn.setMin(limit);
        if (parseDouble(args.value("maxValue", "x"), limit))
            fn.setMax(limit);
        if (parseDouble(args.value("softMinValue", "x"), limit))
            fn.setSoftMin(limit);
        if (parseDouble(args.value("softMaxValue", "x"), limit))
            fn.setSoftMax(limit);
        return attribute;
    }
    if (at == "enum") {
        MFnEnumAttribute fn;
        MObject attribute = fn.create(longName, shortName, static_cast<short>(def));
        return addEnumFields(fn, args.value("enumName"), error) ? attribute : MObject();
    }
    if (at == "time")
        return MFnUnitAttribute().create(longName, shortName, MTime(def, MTime::uiUnit()));
    if (at == "doubleLinear" || at == "doubleAngle")
        return MFnUnitAttribute().create(
            longName, shortName,
            at == "doubleAngle" ? MFnUnitAttribute::kAngle : MFnUnitAttribute::kDistance, def);
    if (at == "matrix")
        return MFnMatrixAttribute().create(longName, shortName);
    if (at.empty() && lookUp(kDataTypes, dt, data))
        return MFnTypedAttribute().create(longName, shortName, data);
    error = "unsupported attribute type '" + (at.empty() ? dt : at) + "'";
    return MObject();
}

MStatus addAttr(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    if (!args.has("longName")) {
        error = "needs -longName";
        return MS::kInvalidParameter;
    }
    if (args.has("parent")) {
        error = "compound dynamic attributes are not supported";
        return MS::kNotImplemented;
    }
    MObject node = session.current;
    if (!args.positional().empty())
        node = resolveNode(args.positional()[0].text, error);
    if (node.isNull()) {
        error = error.empty() ? "no node to add the attribute to" : error;
        return MS::kInvalidParameter;
    }
    MFnDependencyNode fnNode(node);
    if (fnNode.hasAttribute(args.value("longName").c_str())) {
        error = "'" + std::string(fnNode.name().asChar()) + "' already has an attribute '" +
                args.value("longName") + "'";
        return MS::kInvalidParameter;
    }
    MObject attribute = createDynamicAttribute(args, error);
    if (attribute.isNull())
        return MS::kInvalidParameter;
    MFnAttribute fn(attribute);
    bool flag = false;
    if (args.has("multi"))
        fn.setArray(true);
    if (parseBool(args.value("keyable", "x"), flag))
        fn.setKeyable(flag);
    if (parseBool(args.value("hidden", "x"), flag))
        fn.setHidden(flag);
    if (parseBool(args.value("storable", "x"), flag))
        fn.setStorable(flag);
    if (parseBool(args.value("usedAsColor", "x"), flag))
        fn.setUsedAsColor(flag);
    MStatus status = fnNode.addAttribute(attribute);
    if (!status)
        error = "cannot add attribute '" + args.value("longName") + "'";
    return status;
}

// -na: the first element of the destination array that nothing feeds.
std::string nextAvailable(const MPlug& array) {
    unsigned int index = 0;
    while (array.elementByLogicalIndex(index).isDestination())
        ++index;
    return std::string(array.name().asChar()) + "[" + std::to_string(index) + "]";
}

// The source and destination plugs a connection command names.
MStatus connectionPlugs(const MelArgs& args, const MelSession& session, MPlug& src, MPlug& dst,
                        std::string& error) {
    if (args.positional().size() != 2) {
        error = "needs a source and a destination";
        return MS::kInvalidParameter;
    }
    src = findPlug(args.positional()[0].text, session, error);
    dst = findPlug(args.positional()[1].text, session, error);
    return src.isNull() || dst.isNull() ? MS::kInvalidParameter : MS::kSuccess;
}

MStatus connectAttr(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    MPlug src, dst;
    MStatus status = connectionPlugs(args, session, src, dst, error);
    if (!status)
        return status;
    std::string dstName = dst.name().asChar();
    if (args.has("nextAvailable") && dst.isArray())
        dstName = nextAvailable(dst);
    return hostkit::connectAttr(src.name().asChar(), dstName, args.has("force"), &error);
}

MStatus disconnectAttr(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    MPlug src, dst;
    MStatus status = connectionPlugs(args, session, src, dst, error);
    if (!status)
        return status;
    return hostkit::disconnectAttr(src.name().asChar(), dst.name().asChar(), &error);
}

} // namespace

const std::vector<MelCommandDef>& attributeCommands() {
    static const std::vector<MelCommandDef> table = {
        {"setAttr",
         {{"typ", "type", 1},
          {"k", "keyable", 1},
          {"l", "lock", 1},
          {"cb", "channelBox", 1},
          {"s", "size", 1},
          {"av", "alteredValue", 0},
          {"ca", "caching", 1},
          {"c", "clamp", 0}},
         setAttr},
        {"getAttr", {}, getAttr},
        {"addAttr",
         {{"ln", "longName", 1},      {"sn", "shortName", 1},    {"nn", "niceName", 1},
          {"at", "attributeType", 1}, {"dt", "dataType", 1},     {"dv", "defaultValue", 1},
          {"min", "minValue", 1},     {"max", "maxValue", 1},    {"smn", "softMinValue", 1},
          {"smx", "softMaxValue", 1}, {"k", "keyable", 1},       {"m", "multi", 0},
          {"en", "enumName", 1},      {"h", "hidden", 1},        {"ci", "cachedInternally", 1},
          {"uac", "usedAsColor", 1},  {"p", "parent", 1},        {"nc", "numberOfChildren", 1},
          {"s", "storable", 1},       {"im", "indexMatters", 1}, {"r", "readable", 1},
          {"w", "writable", 1}},
         addAttr},
        {"connectAttr",
         {{"f", "force", 0}, {"na", "nextAvailable", 0}, {"l", "lock", 1}},
         connectAttr},
        {"disconnectAttr", {{"na", "nextAvailable", 0}}, disconnectAttr},
    };
    return table;
}

} // namespace scene
