// MPxGeometryFilter and MPxDeformerNode: deformer plumbing. compute copies each input geometry
// to its output element and lets deform() change the copy, handing it the geometry's world
// matrix.
#include "data_block_access.h"
#include "graph.h"
#include "px_node_access.h"
#include "value_objects.h"

#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MItGeometry.h>
#include <maya/MPlug.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MPxGeometryFilter.h>

#include <vector>

using namespace mcore;

MObject MPxGeometryFilter::input;
MObject MPxGeometryFilter::inputGeom;
MObject MPxGeometryFilter::groupId;
MObject MPxGeometryFilter::outputGeom;
MObject MPxGeometryFilter::envelope;
MObject MPxDeformerNode::weightList;
MObject MPxDeformerNode::weights;

MPxGeometryFilter::MPxGeometryFilter() = default;
MPxGeometryFilter::~MPxGeometryFilter() = default;

MPxNode::Type MPxGeometryFilter::type() const {
    return kGeometryFilter;
}

MStatus MPxGeometryFilter::deform(MDataBlock&, MItGeometry&, const MMatrix&, unsigned int) {
    return MS::kSuccess;
}

MObject& MPxGeometryFilter::accessoryAttribute() const {
    static MObject none;
    none = MObject();
    return none;
}

MStatus MPxGeometryFilter::compute(const MPlug& plug, MDataBlock& dataBlock) {
    if (plug != outputGeom)
        return MS::kUnknownParameter;
    MArrayDataHandle inputs = dataBlock.inputArrayValue(input);
    // The geometries to deform: the element asked for, or every input.
    std::vector<unsigned int> targets;
    if (plug.isElement()) {
        targets.push_back(plug.logicalIndex());
    } else {
        for (unsigned int k = 0; k < inputs.elementCount(); ++k) {
            inputs.jumpToArrayElement(k);
            targets.push_back(inputs.elementIndex());
        }
    }
    MArrayDataHandle outputs = dataBlock.outputArrayValue(outputGeom);
    for (unsigned int multiIndex : targets) {
        if (!inputs.jumpToElement(multiIndex)) {
            continue;
        }
        MDataHandle element = inputs.inputValue();
        const MObject geometry = element.child(inputGeom).data();
        const unsigned int group = static_cast<unsigned int>(element.child(groupId).asInt());
        MArrayDataBuilder builder = outputs.builder();
        MDataHandle output = builder.addElement(multiIndex);
        output.set(cloneData(geometry));
        outputs.set(builder);
        outputs.jumpToElement(multiIndex);
        MDataHandle target = outputs.outputValue();
        if (geometry.isNull())
            continue;
        MItGeometry iterator(target, group, false);
        // Maya hands deform the geometry's world matrix along with it.
        const DataObject* carried = dataObjectOf(geometry);
        deform(dataBlock, iterator, carried ? carried->worldMatrix() : MMatrix::identity,
               multiIndex);
    }
    dataBlock.setClean(plug);
    return MS::kSuccess;
}

MPxDeformerNode::MPxDeformerNode() = default;
MPxDeformerNode::~MPxDeformerNode() = default;

MPxNode::Type MPxDeformerNode::type() const {
    return kDeformerNode;
}

float MPxDeformerNode::weightValue(MDataBlock& mblock, unsigned int multiIndex,
                                   unsigned int wtIndex) {
    // Read-only look-ups on the stored values: no evaluation, no allocation, so worker threads
    // may call this while the evaluating thread waits for them.
    const Node* node = MDataHandleAccess::node(mblock);
    const Attribute* listAttr = attributeOf(weightList);
    const Attribute* weightAttr = attributeOf(weights);
    const Value* list = node && listAttr ? node->topValueIfAny(listAttr) : nullptr;
    if (!list)
        return 1.0f;
    auto geometry = list->elements.find(multiIndex);
    if (geometry == list->elements.end())
        return static_cast<float>(weightAttr->defaultValue);
    const Value* perPoint = geometry->second->child(weightAttr);
    if (!perPoint)
        return static_cast<float>(weightAttr->defaultValue);
    auto weight = perPoint->elements.find(wtIndex);
    if (weight == perPoint->elements.end())
        return static_cast<float>(weightAttr->defaultValue);
    return weight->second->f;
}
