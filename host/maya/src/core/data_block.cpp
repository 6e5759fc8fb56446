// MDataBlock: a node's values as compute sees them.
#include "data_block_access.h"
#include "graph.h"

#include <maya/MDataBlock.h>
#include <maya/MPlug.h>

using namespace mcore;

namespace {

void report(MStatus* status, bool ok) {
    if (status)
        *status = ok ? MS::kSuccess : MS::kInvalidParameter;
}

PlugPath pathOn(Node* node, const MObject& attribute) {
    return makePath(node ? MObjectAccess::make(node) : MObject(), attribute);
}

MDataHandle handleFor(Node* node, const PlugPath& path, bool evaluate, MStatus* status) {
    Graph& graph = Graph::instance();
    Value* value = evaluate ? graph.evaluate(path, true) : graph.resolve(path, true);
    report(status, value && !value->arrayLevel);
    return MDataHandleAccess::handle(value && !value->arrayLevel ? value : nullptr, node);
}

MArrayDataHandle arrayFor(Node* node, const PlugPath& path, bool evaluate, MStatus* status) {
    Graph& graph = Graph::instance();
    Value* value = evaluate ? graph.evaluate(path, true) : graph.resolve(path, true);
    const bool ok = value && value->arrayLevel;
    report(status, ok);
    return MDataHandleAccess::arrayHandle(ok ? value : nullptr, node, !evaluate);
}

} // namespace

MDataBlock::MDataBlock(void* node) : fNode(node) {}
MDataBlock::MDataBlock(const MDataBlock& in) = default;
MDataBlock& MDataBlock::operator=(const MDataBlock& in) = default;
MDataBlock::~MDataBlock() = default;

MDataHandle MDataBlock::inputValue(const MPlug& plug, MStatus* ReturnStatus) {
    return handleFor(MDataHandleAccess::node(*this), MPlugAccess::path(plug), true, ReturnStatus);
}

MDataHandle MDataBlock::inputValue(const MObject& attribute, MStatus* ReturnStatus) {
    Node* node = MDataHandleAccess::node(*this);
    return handleFor(node, pathOn(node, attribute), true, ReturnStatus);
}

MDataHandle MDataBlock::outputValue(const MPlug& plug, MStatus* ReturnStatus) {
    return handleFor(MDataHandleAccess::node(*this), MPlugAccess::path(plug), false, ReturnStatus);
}

MDataHandle MDataBlock::outputValue(const MObject& attribute, MStatus* ReturnStatus) {
    Node* node = MDataHandleAccess::node(*this);
    return handleFor(node, pathOn(node, attribute), false, ReturnStatus);
}

MArrayDataHandle MDataBlock::inputArrayValue(const MPlug& plug, MStatus* ReturnStatus) {
    return arrayFor(MDataHandleAccess::node(*this), MPlugAccess::path(plug), true, ReturnStatus);
}

MArrayDataHandle MDataBlock::inputArrayValue(const MObject& attribute, MStatus* ReturnStatus) {
    Node* node = MDataHandleAccess::node(*this);
    return arrayFor(node, pathOn(node, attribute), true, ReturnStatus);
}

MArrayDataHandle MDataBlock::outputArrayValue(const MPlug& plug, MStatus* ReturnStatus) {
    return arrayFor(MDataHandleAccess::node(*this), MPlugAccess::path(plug), false, ReturnStatus);
}

MArrayDataHandle MDataBlock::outputArrayValue(const MObject& attribute, MStatus* ReturnStatus) {
    Node* node = MDataHandleAccess::node(*this);
    return arrayFor(node, pathOn(node, attribute), false, ReturnStatus);
}

namespace {

// The plug on this block's node, or a null mark for another node's plug.
PlugMark blockMark(Node* node, const PlugPath& path) {
    if (!node || path.nodePtr() != node || !path.attrPtr() || !node->hasAttribute(path.attrPtr()))
        return PlugMark();
    return markOf(path);
}

} // namespace

// Cleans that plug only: other elements of an array stay out of date until computed.
MStatus MDataBlock::setClean(const MPlug& plug) {
    Node* node = MDataHandleAccess::node(*this);
    const PlugMark mark = blockMark(node, MPlugAccess::path(plug));
    if (!mark.attr)
        return MS::kInvalidParameter;
    node->dirty.clean(mark);
    return MS::kSuccess;
}

// The attribute's plug: for an array, the whole array with every element.
MStatus MDataBlock::setClean(const MObject& attribute) {
    Node* node = MDataHandleAccess::node(*this);
    const PlugMark mark = blockMark(node, pathOn(node, attribute));
    if (!mark.attr)
        return MS::kInvalidParameter;
    node->dirty.clean(mark);
    return MS::kSuccess;
}

bool MDataBlock::isClean(const MPlug& plug) {
    Node* node = MDataHandleAccess::node(*this);
    const PlugMark mark = blockMark(node, MPlugAccess::path(plug));
    return mark.attr && !node->dirty.isDirty(mark);
}

bool MDataBlock::isClean(const MObject& attribute, MStatus* ReturnStatus) {
    Node* node = MDataHandleAccess::node(*this);
    const PlugMark mark = blockMark(node, pathOn(node, attribute));
    report(ReturnStatus, mark.attr != nullptr);
    return mark.attr && !node->dirty.isDirty(mark);
}

MDGContext MDataBlock::context(MStatus* ReturnStatus) {
    report(ReturnStatus, true);
    return MDGContext();
}

MStatus MDataBlock::setContext(const MDGContext&) {
    return MS::kSuccess;
}
