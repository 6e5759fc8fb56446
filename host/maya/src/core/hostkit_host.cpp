// The driver face: nodes and attributes addressed by name.
#include "data_objects.h"
#include "graph.h"
#include "plug_io.h"
#include "plugin_object.h"
#include "registry.h"
#include "value_objects.h"

#include <hostkit/host.h>
#include <maya/MPlug.h>

#include <cctype>

using namespace mcore;

namespace {

struct Segment {
    std::string name;
    long long index = -1;
};

// Decimal digits up to the largest logical index; false for anything else.
bool parseLogicalIndex(const std::string& digits, long long& index) {
    if (digits.empty() || digits.size() > 10)
        return false;
    unsigned long long value = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > kLargestLogicalIndex)
        return false;
    index = static_cast<long long>(value);
    return true;
}

// "a.b[2].c" -> {a}, {b, 2}, {c}; false on malformed text.
bool splitSegments(const std::string& text, std::vector<Segment>& segments) {
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('.', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string piece = text.substr(pos, end - pos);
        Segment segment;
        const std::size_t open = piece.find('[');
        if (open != std::string::npos) {
            if (piece.back() != ']' || open + 2 > piece.size() - 1)
                return false;
            if (!parseLogicalIndex(piece.substr(open + 1, piece.size() - open - 2), segment.index))
                return false;
            piece = piece.substr(0, open);
        }
        if (piece.empty())
            return false;
        segment.name = piece;
        segments.push_back(segment);
        pos = end + 1;
    }
    return !segments.empty();
}

MStatus fail(MStatus* status, MStatus value) {
    if (status)
        *status = value;
    return value;
}

// Resolves "attr[2].child..." on a node into a plug path.
bool parseAttributePath(Node* node, const std::string& text, PlugPath& path) {
    std::vector<Segment> segments;
    if (!node || !node->alive || !splitSegments(text, segments))
        return false;
    Attribute* attr = node->findAttribute(segments.front().name);
    if (!attr)
        return false;
    std::vector<std::pair<const Attribute*, long long>> given{{attr, segments.front().index}};
    for (std::size_t k = 1; k < segments.size(); ++k) {
        Attribute* child = attr->findDescendant(segments[k].name);
        if (!child)
            return false;
        attr = child;
        given.emplace_back(attr, segments[k].index);
    }
    path = makePath(MObjectAccess::make(node), MObjectAccess::make(attr));
    std::size_t level = 0;
    for (const Attribute* a : attr->chain()) {
        if (!a->isArray())
            continue;
        for (const auto& [named, index] : given)
            if (named == a && index >= 0)
                path.indices[level] = index;
        ++level;
    }
    // An index on a non-array attribute is an error.
    for (const auto& [named, index] : given)
        if (index >= 0 && !named->isArray())
            return false;
    return true;
}

// Resolves "node.attr..." into a plug path.
bool parsePlug(const std::string& text, PlugPath& path) {
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos)
        return false;
    return parseAttributePath(Graph::instance().findNode(text.substr(0, dot)), text.substr(dot + 1),
                              path);
}

MStatus withPlug(const std::string& text, PlugPath& path) {
    return parsePlug(text, path) ? MS::kSuccess : MS::kInvalidParameter;
}

bool isNumber(const Value& value) {
    return value.isLeaf() && leafKind(*value.attr) != LeafKind::Data &&
           leafKind(*value.attr) != LeafKind::Matrix &&
           leafKind(*value.attr) != LeafKind::FloatMatrix;
}

} // namespace

namespace mcore {

MPlug plugOn(const MObject& node, const std::string& attributePath) {
    PlugPath path;
    return parseAttributePath(nodeOf(node), attributePath, path) ? MPlugAccess::make(path)
                                                                 : MPlug();
}

std::string badLogicalIndex(const std::string& attributePath) {
    for (std::size_t open = attributePath.find('['); open != std::string::npos;
         open = attributePath.find('[', open + 1)) {
        const std::size_t close = attributePath.find(']', open);
        const std::string index = attributePath.substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
        long long value = 0;
        if (index.find(':') == std::string::npos && !parseLogicalIndex(index, value))
            return "[" + index + "]";
    }
    return std::string();
}

} // namespace mcore

namespace hostkit {

std::vector<NodeTypeInfo> registeredTypes() {
    std::vector<NodeTypeInfo> result;
    for (const auto& type : Registry::instance().types()) {
        NodeTypeInfo info;
        info.name = type->name;
        info.id = type->id.id();
        info.kind = type->kind;
        info.classification = type->classification;
        if (const auto* plugin = objectAs<PluginObject>(type->plugin))
            info.plugin = plugin->name;
        result.push_back(info);
    }
    return result;
}

bool isTypeRegistered(const std::string& typeName) {
    return Registry::instance().find(typeName) != nullptr;
}

MObject createNode(const std::string& typeName, const std::string& name, MStatus* status) {
    const auto type = Registry::instance().find(typeName);
    if (!type) {
        fail(status, MS::kInvalidParameter);
        return MObject();
    }
    return Graph::instance().createNode(type, name, status);
}

MObject findNode(const std::string& name) {
    Registry::instance();
    Node* node = Graph::instance().findNode(name);
    return node ? MObjectAccess::make(node) : MObject();
}

long plugReads(const MObject& node) {
    const Node* n = nodeOf(node);
    return n ? n->plugReads : 0;
}

std::string nodeName(const MObject& node) {
    const Node* n = nodeOf(node);
    return n && n->alive ? n->name : std::string();
}

MStatus deleteNode(const MObject& node) {
    return Graph::instance().deleteNode(node);
}

std::vector<MObject> allNodes() {
    Registry::instance();
    return Graph::instance().nodes();
}

void resetScene() {
    Registry::instance();
    Graph& graph = Graph::instance();
    graph.deleteAllNodes();
    for (const auto& hook : graph.resetHooks)
        hook();
}

MPlug findPlug(const std::string& path, MStatus* status) {
    PlugPath parsed;
    if (!parsePlug(path, parsed)) {
        fail(status, MS::kInvalidParameter);
        return MPlug();
    }
    fail(status, MS::kSuccess);
    return MPlugAccess::make(parsed);
}

MStatus setAttr(const std::string& path, double value) {
    PlugPath parsed;
    if (MStatus s = withPlug(path, parsed); !s)
        return s;
    return writePlug(parsed, [value](Value& v) { return isNumber(v) && setNumeric(v, value); });
}

MStatus setAttrString(const std::string& path, const std::string& value) {
    MStatus status;
    MPlug plug = findPlug(path, &status);
    return status ? plug.setValue(MString(value.c_str())) : status;
}

MStatus setAttrValues(const std::string& path, const std::vector<double>& values) {
    PlugPath parsed;
    if (MStatus s = withPlug(path, parsed); !s)
        return s;
    return writePlug(parsed, [&values](Value& v) {
        if (isNumber(v))
            return values.size() == 1 && setNumeric(v, values[0]);
        if (v.arrayLevel || v.children.size() != values.size())
            return false;
        for (std::size_t k = 0; k < values.size(); ++k)
            if (!isNumber(*v.children[k]) || !setNumeric(*v.children[k], values[k]))
                return false;
        return true;
    });
}

MStatus setAttrData(const std::string& path, const MObject& data) {
    MStatus status;
    MPlug plug = findPlug(path, &status);
    return status ? plug.setMObject(data) : status;
}

MStatus getAttr(const std::string& path, double& value) {
    MStatus status;
    MPlug plug = findPlug(path, &status);
    return status ? plug.getValue(value) : status;
}

MStatus getAttrString(const std::string& path, std::string& value) {
    MStatus status;
    MPlug plug = findPlug(path, &status);
    MString text;
    if (status)
        status = plug.getValue(text);
    if (status)
        value = text.asChar();
    return status;
}

MStatus getAttrValues(const std::string& path, std::vector<double>& values) {
    PlugPath parsed;
    if (MStatus s = withPlug(path, parsed); !s)
        return s;
    std::unique_ptr<Value> holder;
    const Value* value = readPlug(parsed, holder);
    if (!value || value->arrayLevel)
        return MS::kInvalidParameter;
    values.clear();
    if (isNumber(*value)) {
        values.push_back(numericValue(*value));
        return MS::kSuccess;
    }
    for (const auto& child : value->children) {
        if (!isNumber(*child))
            return MS::kInvalidParameter;
        values.push_back(numericValue(*child));
    }
    return values.empty() ? MS::kInvalidParameter : MS::kSuccess;
}

MStatus getAttrData(const std::string& path, MObject& data) {
    MStatus status;
    MPlug plug = findPlug(path, &status);
    return status ? plug.getValue(data) : status;
}

MStatus connectAttr(const std::string& source, const std::string& destination, bool force,
                    std::string* error) {
    PlugPath from, to;
    if (!parsePlug(source, from) || !parsePlug(destination, to)) {
        if (error)
            *error = "no such plug: " + (parsePlug(source, from) ? destination : source);
        return MS::kInvalidParameter;
    }
    return Graph::instance().connect(from, to, force, error);
}

MStatus disconnectAttr(const std::string& source, const std::string& destination,
                       std::string* error) {
    PlugPath from, to;
    if (!parsePlug(source, from) || !parsePlug(destination, to)) {
        if (error)
            *error = "no such plug: " + (parsePlug(source, from) ? destination : source);
        return MS::kInvalidParameter;
    }
    return Graph::instance().disconnect(from, to, error);
}

MStatus removeMultiInstance(const std::string& element) {
    PlugPath parsed;
    if (MStatus s = withPlug(element, parsed); !s)
        return s;
    return Graph::instance().removeElement(parsed);
}

std::vector<std::pair<std::string, std::string>> listConnections() {
    std::vector<std::pair<std::string, std::string>> result;
    for (const Connection& c : Graph::instance().connections())
        result.emplace_back(plugName(c.source, true, true), plugName(c.destination, true, true));
    return result;
}

} // namespace hostkit
