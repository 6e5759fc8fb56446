#include "plug_path.h"

#include "graph.h"

namespace mcore {

namespace {

std::size_t arrayLevels(const Attribute* attr) {
    std::size_t count = 0;
    for (const Attribute* a = attr; a; a = a->parent)
        count += a->isArray() ? 1 : 0;
    return count;
}

} // namespace

bool PlugPath::isArrayPlug() const {
    const Attribute* a = attrPtr();
    return a && a->isArray() && !indices.empty() && indices.back() < 0;
}

bool PlugPath::isElement() const {
    const Attribute* a = attrPtr();
    return a && a->isArray() && !indices.empty() && indices.back() >= 0;
}

PlugPath makePath(const MObject& node, const MObject& attr) {
    PlugPath path;
    path.node = node;
    path.attr = attr;
    path.indices.assign(arrayLevels(attributeOf(attr)), -1);
    return path;
}

PlugPath normalized(const PlugPath& path) {
    PlugPath result = path;
    const Attribute* attr = path.attrPtr();
    const std::size_t n = result.indices.size();
    for (std::size_t k = 0; k < n; ++k) {
        const bool trailingArray = k + 1 == n && attr && attr->isArray();
        if (result.indices[k] < 0 && !trailingArray)
            result.indices[k] = 0;
    }
    return result;
}

bool containsPlug(const PlugPath& a, const PlugPath& b) {
    const Attribute* aa = a.attrPtr();
    const Attribute* ba = b.attrPtr();
    if (a.node != b.node || !aa || !ba || !(aa == ba || aa->isAncestorOf(ba)))
        return false;
    if (a.indices.size() > b.indices.size())
        return false;
    for (std::size_t k = 0; k < a.indices.size(); ++k) {
        if (a.indices[k] == b.indices[k])
            continue;
        const bool wholeArray = k + 1 == a.indices.size() && aa->isArray() && a.indices[k] < 0;
        if (!wholeArray)
            return false;
    }
    return true;
}

std::string plugName(const PlugPath& path, bool includeNode, bool longNames) {
    const Attribute* attr = path.attrPtr();
    if (!attr)
        return std::string();
    const std::vector<const Attribute*> chain = attr->chain();
    // Parents are named only from the first array on down, where an index must be given.
    std::size_t first = chain.size() - 1;
    for (std::size_t k = 0; k < chain.size(); ++k)
        if (chain[k]->isArray() && k + 1 < chain.size()) {
            first = k;
            break;
        }
    std::string text;
    if (includeNode && path.nodePtr()) {
        const NamePolicy& policy = Graph::instance().namePolicy;
        text = (policy.displayName ? policy.displayName(path.node) : path.nodePtr()->name) + ".";
    }
    std::size_t arrayLevel = 0;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const Attribute* a = chain[k];
        const bool shown = k >= first;
        if (shown) {
            if (k > first)
                text += ".";
            text += longNames ? a->longName : a->shortName;
        }
        if (a->isArray()) {
            const long long index =
                arrayLevel < path.indices.size() ? path.indices[arrayLevel] : -1;
            ++arrayLevel;
            if (shown && index >= 0)
                text += "[" + std::to_string(index) + "]";
        }
    }
    return text;
}

} // namespace mcore
