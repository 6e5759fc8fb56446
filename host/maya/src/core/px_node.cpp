// MPxNode: the base of plug-in nodes, and the static registration helpers.
#include "graph.h"
#include "px_node_access.h"
#include "registry.h"

#include <maya/MDGContext.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>

#include <algorithm>

using namespace mcore;

MPxNode::MPxNode() : instance(nullptr) {}
MPxNode::~MPxNode() = default;

void MPxNode::postConstructor() {}

MStatus MPxNode::compute(const MPlug&, MDataBlock&) {
    return MS::kUnknownParameter;
}

// The host calls the context forms (deprecated since 2018, but still what Maya 2019 calls);
// their defaults hand over to the context-free pair, so a node may override either generation.
// A context-free override must therefore never call the base context form: as in Maya, that
// comes straight back to the override.
bool MPxNode::getInternalValue(const MPlug&, MDataHandle&) {
    return false;
}

bool MPxNode::setInternalValue(const MPlug&, const MDataHandle&) {
    return false;
}

bool MPxNode::getInternalValueInContext(const MPlug& plug, MDataHandle& dataHandle, MDGContext&) {
    return getInternalValue(plug, dataHandle);
}

bool MPxNode::setInternalValueInContext(const MPlug& plug, const MDataHandle& dataHandle,
                                        MDGContext&) {
    return setInternalValue(plug, dataHandle);
}

int MPxNode::internalArrayCount(const MPlug&) const {
    return -1;
}
void MPxNode::copyInternalData(MPxNode*) {}

MStatus MPxNode::connectionMade(const MPlug&, const MPlug&, bool) {
    return MS::kUnknownParameter;
}

MStatus MPxNode::connectionBroken(const MPlug&, const MPlug&, bool) {
    return MS::kUnknownParameter;
}

MStatus MPxNode::dependsOn(const MPlug&, const MPlug&, bool&) const {
    return MS::kUnknownParameter;
}

MStatus MPxNode::setDependentsDirty(const MPlug&, MPlugArray&) {
    return MS::kSuccess;
}

MPxNode::Type MPxNode::type() const {
    return kDependNode;
}
MPxNode::SchedulingType MPxNode::schedulingType() const {
    return kDefaultScheduling;
}

MObject MPxNode::thisMObject() const {
    Node* node = MPxNodeAccess::node(*this);
    return node && node->alive ? MObjectAccess::make(node) : MObject();
}

MTypeId MPxNode::typeId() const {
    Node* node = MPxNodeAccess::node(*this);
    return node ? node->type->id : MTypeId();
}

MString MPxNode::typeName() const {
    Node* node = MPxNodeAccess::node(*this);
    return node ? MString(node->type->name.c_str()) : MString();
}

MString MPxNode::name() const {
    Node* node = MPxNodeAccess::node(*this);
    return node ? MString(node->name.c_str()) : MString();
}

MStatus MPxNode::addAttribute(const MObject& attr) {
    NodeType* type = Registry::instance().initializing();
    Attribute* attribute = attributeOf(attr);
    if (!type || !attribute)
        return MS::kFailure;
    // Children come with their compound; adding one on its own (or twice) changes nothing.
    if (attribute->parent || type->hasAttribute(attribute))
        return MS::kSuccess;
    std::vector<Attribute*> incoming{attribute};
    attribute->forEachDescendant([&incoming](Attribute* child) { incoming.push_back(child); });
    for (const Attribute* a : incoming)
        if (type->findAttribute(a->longName) || type->findAttribute(a->shortName))
            return MS::kInvalidParameter;
    type->attributes.push_back(attr);
    return MS::kSuccess;
}

MStatus MPxNode::attributeAffects(const MObject& whenChanges, const MObject& isAffected) {
    NodeType* type = Registry::instance().initializing();
    const Attribute* input = attributeOf(whenChanges);
    const Attribute* output = attributeOf(isAffected);
    if (!type || !input || !output)
        return MS::kFailure;
    if (!type->hasAttribute(input) || !type->hasAttribute(output))
        return MS::kInvalidParameter;
    std::vector<const Attribute*>& outputs = type->affects[input];
    if (std::find(outputs.begin(), outputs.end(), output) == outputs.end())
        outputs.push_back(output);
    return MS::kSuccess;
}

MStatus MPxNode::attributeAffects(const MObject& whenChanges, const MObject& isAffected, bool) {
    return attributeAffects(whenChanges, isAffected);
}
