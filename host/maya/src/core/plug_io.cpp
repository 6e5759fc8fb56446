#include "plug_io.h"

#include "data_block_access.h"
#include "graph.h"

#include <maya/MDGContext.h>
#include <maya/MPxNode.h>

namespace mcore {

bool isInternal(const Attribute* attr) {
    for (const Attribute* a = attr; a; a = a->parent)
        if (a->flags.internal)
            return true;
    return false;
}

namespace {

void clampLeaves(Value& value) {
    if (value.arrayLevel) {
        for (auto& entry : value.elements)
            clampLeaves(*entry.second);
        return;
    }
    for (auto& child : value.children)
        clampLeaves(*child);
    const Limits& limits = value.attr->limits;
    if (value.isLeaf() && (limits.hasMin || limits.hasMax) &&
        leafKind(*value.attr) != LeafKind::Data)
        setNumeric(value, value.attr->clamp(numericValue(value)));
}

// Maya calls the context forms of the internal-value callbacks; they are deprecated for plug-ins
// to override, not for the host to call.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
bool nodeGets(Node* node, const PlugPath& path, MDataHandle& handle) {
    MDGContext context = MDGContext::current();
    return node->user->getInternalValueInContext(plugFor(path), handle, context);
}

bool nodeSets(Node* node, const PlugPath& path, const MDataHandle& handle) {
    MDGContext context = MDGContext::current();
    return node->user->setInternalValueInContext(plugFor(path), handle, context);
}
#pragma GCC diagnostic pop

} // namespace

const Value* readPlug(const PlugPath& raw, std::unique_ptr<Value>& holder) {
    const PlugPath path = normalized(raw);
    Node* node = path.nodePtr();
    if (node)
        ++node->plugReads;
    Value* value = Graph::instance().evaluate(path, true);
    if (!value || !node || !node->user || !isInternal(path.attrPtr()))
        return value;
    holder = cloneValue(*value);
    MDataHandle handle = MDataHandleAccess::handle(holder.get(), node);
    if (nodeGets(node, path, handle))
        return holder.get();
    holder.reset();
    return Graph::instance().resolve(path, true);
}

MStatus writePlug(const PlugPath& raw, const std::function<bool(Value&)>& write) {
    Graph& graph = Graph::instance();
    const PlugPath path = normalized(raw);
    Node* node = path.nodePtr();
    const Attribute* attr = path.attrPtr();
    Value* stored = graph.resolve(path, true);
    if (!stored || !node)
        return MS::kInvalidParameter;
    if (!attr->flags.writable)
        return MS::kFailure;
    std::unique_ptr<Value> next = cloneValue(*stored);
    if (!write(*next))
        return MS::kInvalidParameter;
    clampLeaves(*next);
    bool keptByNode = false;
    if (node->user && isInternal(attr)) {
        MDataHandle handle = MDataHandleAccess::handle(next.get(), node);
        keptByNode = nodeSets(node, path, handle);
    }
    if (!keptByNode) {
        // The node's callback may have changed the data block: look the value up again.
        stored = graph.resolve(path, true);
        if (!stored)
            return MS::kFailure;
        assignValue(*stored, *next);
    }
    graph.changed(node, attr);
    return MS::kSuccess;
}

namespace {

// The numeric leaves of an element attribute, in child order; empty if it has others.
std::vector<const Attribute*> numericLeaves(const Attribute* attr) {
    std::vector<const Attribute*> leaves;
    const std::vector<const Attribute*> single{attr};
    std::vector<const Attribute*> children;
    for (const MObject& child : attr->children)
        children.push_back(attributeOf(child));
    for (const Attribute* leaf : attr->isCompound() ? children : single) {
        if (!leaf || leaf->isCompound() || leaf->isArray())
            return {};
        const LeafKind kind = leafKind(*leaf);
        if (kind == LeafKind::Data || kind == LeafKind::Matrix || kind == LeafKind::FloatMatrix)
            return {};
        leaves.push_back(leaf);
    }
    return leaves;
}

} // namespace

MStatus writeArrayNumbers(const PlugPath& raw, unsigned int first,
                          const std::vector<double>& numbers) {
    Graph& graph = Graph::instance();
    const PlugPath path = normalized(raw);
    Node* node = path.nodePtr();
    const Attribute* attr = path.attrPtr();
    if (!node || !attr || !path.isArrayPlug() || isInternal(attr) || !attr->flags.writable)
        return MS::kInvalidParameter;
    const std::vector<const Attribute*> leaves = numericLeaves(attr);
    if (leaves.empty() || numbers.size() % leaves.size() != 0)
        return MS::kInvalidParameter;
    Value* array = graph.resolve(path, true);
    if (!array)
        return MS::kFailure;
    const size_t count = numbers.size() / leaves.size();
    for (size_t k = 0; k < count; ++k) {
        Value* element = array->element(first + static_cast<unsigned int>(k), true);
        for (size_t i = 0; i < leaves.size(); ++i) {
            Value* leaf = attr->isCompound() ? element->children[i].get() : element;
            setNumeric(*leaf, leaves[i]->clamp(numbers[k * leaves.size() + i]));
        }
    }
    graph.changed(node, attr);
    return MS::kSuccess;
}

} // namespace mcore
