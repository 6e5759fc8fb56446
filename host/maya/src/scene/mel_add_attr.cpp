// addAttr: dynamic attributes of every kind scene files add, compounds included.
#include "scene/mel_commands.h"
#include "scene/mel_values.h"

#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MTime.h>

namespace scene {

namespace {

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

// Numeric compounds addAttr declares with -nc and fills with one numeric child per component.
const std::pair<const char*, size_t> kNumericCompounds[] = {
    {"double2", 2}, {"double3", 3}, {"float2", 2}, {"float3", 3},
    {"long2", 2},   {"long3", 3},   {"short2", 2}, {"short3", 3}};

bool isCompoundType(const std::string& type) {
    size_t count = 0;
    return type == "compound" || lookUp(kNumericCompounds, type, count);
}

// The flags every kind of attribute takes, applied once it exists.
std::function<void(const MObject&)> flagsOf(const MelArgs& args) {
    bool multi = args.has("multi"), keyable = false, hidden = false, storable = true,
         usedAsColor = false;
    int disconnect = -1;
    const bool hasKeyable = parseBool(args.value("keyable", "x"), keyable);
    const bool hasHidden = parseBool(args.value("hidden", "x"), hidden);
    const bool hasStorable = parseBool(args.value("storable", "x"), storable);
    const bool hasColor = parseBool(args.value("usedAsColor", "x"), usedAsColor);
    parseInt(args.value("disconnectBehaviour", "x"), disconnect);
    return [=](const MObject& attribute) {
        MFnAttribute fn(attribute);
        if (multi)
            fn.setArray(true);
        if (hasKeyable)
            fn.setKeyable(keyable);
        if (hasHidden)
            fn.setHidden(hidden);
        if (hasStorable)
            fn.setStorable(storable);
        if (hasColor)
            fn.setUsedAsColor(usedAsColor);
        // 0 delete, 1 reset, 2 nothing: the same order as MFnAttribute's.
        if (disconnect >= 0 && disconnect <= 2)
            fn.setDisconnectBehavior(static_cast<MFnAttribute::DisconnectBehavior>(disconnect));
    };
}

MObject buildCompound(const PendingCompound& c) {
    const MString longName = c.longName.c_str(), shortName = c.shortName.c_str();
    MObject attribute;
    if (c.type == "compound") {
        MFnCompoundAttribute fn;
        attribute = fn.create(longName, shortName);
        for (const MObject& child : c.children)
            fn.addChild(child);
    } else if (c.children.size() == 2) {
        attribute = MFnNumericAttribute().create(longName, shortName, c.children[0], c.children[1]);
    } else {
        attribute = MFnNumericAttribute().create(longName, shortName, c.children[0], c.children[1],
                                                 c.children[2]);
    }
    if (!attribute.isNull())
        c.applyFlags(attribute);
    return attribute;
}

MStatus addToNode(const MObject& node, const MObject& attribute, const std::string& longName,
                  std::string& error) {
    MStatus status = MFnDependencyNode(node).addAttribute(attribute);
    if (!status)
        error = "cannot add attribute '" + longName + "'";
    return status;
}

// Hands a finished attribute to the compound named `parent` on the node; completes that one
// (and, in turn, its own parent) when it has all its children.
MStatus addChild(MelSession& session, const MObject& node, const std::string& parent,
                 const MObject& child, std::string& error) {
    auto& pending = session.compounds;
    for (size_t k = pending.size(); k-- > 0;) {
        PendingCompound& c = pending[k];
        if (c.node != node || (c.longName != parent && c.shortName != parent))
            continue;
        c.children.push_back(child);
        if (c.children.size() < c.expected)
            return MS::kSuccess;
        const PendingCompound done = c;
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(k));
        MObject compound = buildCompound(done);
        if (compound.isNull()) {
            error = "cannot make the compound attribute '" + done.longName + "'";
            return MS::kInvalidParameter;
        }
        return done.parent.empty() ? addToNode(node, compound, done.longName, error)
                                   : addChild(session, node, done.parent, compound, error);
    }
    error = "no compound attribute '" + parent + "' waits for children";
    return MS::kInvalidParameter;
}

MStatus addAttr(const MelArgs& args, MelSession& session, MelResult&, std::string& error) {
    if (!args.has("longName")) {
        error = "needs -longName";
        return MS::kInvalidParameter;
    }
    MObject node = session.current;
    if (!args.positional().empty())
        node = resolveNode(args.positional()[0].text, error);
    if (node.isNull()) {
        error = error.empty() ? "no node to add the attribute to" : error;
        return MS::kInvalidParameter;
    }
    MFnDependencyNode fnNode(node);
    const std::string longName = args.value("longName");
    if (fnNode.hasAttribute(longName.c_str())) {
        error = "'" + std::string(fnNode.name().asChar()) + "' already has an attribute '" +
                longName + "'";
        return MS::kInvalidParameter;
    }
    const std::string type = args.value("attributeType");
    if (isCompoundType(type)) {
        int children = 0;
        if (!parseInt(args.value("numberOfChildren", "x"), children) || children < 1) {
            error = "a compound attribute needs -numberOfChildren";
            return MS::kInvalidParameter;
        }
        size_t components = static_cast<size_t>(children);
        if (type != "compound" && (!lookUp(kNumericCompounds, type, components) ||
                                   components != static_cast<size_t>(children))) {
            error = "'" + type + "' has " + std::to_string(components) + " children";
            return MS::kInvalidParameter;
        }
        session.compounds.push_back({node,
                                     longName,
                                     args.value("shortName", longName),
                                     type,
                                     args.value("parent"),
                                     components,
                                     {},
                                     flagsOf(args)});
        return MS::kSuccess;
    }
    MObject attribute = createDynamicAttribute(args, error);
    if (attribute.isNull())
        return MS::kInvalidParameter;
    flagsOf(args)(attribute);
    if (args.has("parent"))
        return addChild(session, node, args.value("parent"), attribute, error);
    return addToNode(node, attribute, longName, error);
}

} // namespace

const std::vector<MelCommandDef>& addAttrCommands() {
    static const std::vector<MelCommandDef> table = {
        {"addAttr",
         {{"ln", "longName", 1},
          {"sn", "shortName", 1},
          {"nn", "niceName", 1},
          {"at", "attributeType", 1},
          {"dt", "dataType", 1},
          {"dv", "defaultValue", 1},
          {"min", "minValue", 1},
          {"max", "maxValue", 1},
          {"smn", "softMinValue", 1},
          {"smx", "softMaxValue", 1},
          {"k", "keyable", 1},
          {"m", "multi", 0},
          {"en", "enumName", 1},
          {"h", "hidden", 1},
          {"ci", "cachedInternally", 1},
          {"uac", "usedAsColor", 1},
          {"p", "parent", 1},
          {"nc", "numberOfChildren", 1},
          {"s", "storable", 1},
          {"im", "indexMatters", 1},
          {"r", "readable", 1},
          {"w", "writable", 1},
          {"dcb", "disconnectBehaviour", 1},
          {"fp", "fromPlugin", 1},
          {"uaf", "usedAsFilename", 1}},
         addAttr},
    };
    return table;
}

} // namespace scene
