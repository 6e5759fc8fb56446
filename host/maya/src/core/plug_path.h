#pragma once
// What an MPlug designates: node, attribute and the logical index chosen for every array
// attribute on the attribute's chain (root first).
#include "attribute.h"
#include "node.h"

#include <maya/MPlug.h>

#include <string>
#include <vector>

namespace mcore {

struct PlugPath {
    MObject node;
    MObject attr;
    // One entry per array attribute on attr's chain; -1 where no index was given. A trailing
    // -1 for an array attribute designates the whole array.
    std::vector<long long> indices;

    Node* nodePtr() const { return nodeOf(node); }
    Attribute* attrPtr() const { return attributeOf(attr); }
    bool isNull() const { return node.isNull() || attr.isNull(); }
    bool isArrayPlug() const;
    bool isElement() const;
    bool operator==(const PlugPath& other) const {
        return node == other.node && attr == other.attr && indices == other.indices;
    }
};

// A path for attr with every array index unset.
PlugPath makePath(const MObject& node, const MObject& attr);
// Array ancestors without an index resolve to element 0 (Maya's unindexed plug); only a
// trailing whole-array index stays -1.
PlugPath normalized(const PlugPath& path);
// True when a designates b or something containing it (normalized paths).
bool containsPlug(const PlugPath& a, const PlugPath& b);
inline bool relatedPlugs(const PlugPath& a, const PlugPath& b) {
    return containsPlug(a, b) || containsPlug(b, a);
}
// The plug a path designates, for the node's dirty state.
inline PlugMark markOf(const PlugPath& path) {
    const PlugPath plug = normalized(path);
    return {plug.attrPtr(), plug.indices};
}
// "node.attr", "node.array[3]", "node.array[3].child"; long or short names.
std::string plugName(const PlugPath& path, bool includeNode, bool longNames);

} // namespace mcore

struct MPlugAccess {
    static const mcore::PlugPath& path(const MPlug& plug);
    static MPlug make(const mcore::PlugPath& path);
};
