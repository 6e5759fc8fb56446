#pragma once
// Creating nodes the way Maya's createNode does: a DAG shape created without a parent gets a
// new transform above it ("camera1" above "cameraShape1"), and a parent given by name must be
// a transform.
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <string>

namespace scene {

struct CreatedNode {
    MObject node;      // the node of the requested type
    MObject transform; // the transform made for a parentless shape, else null
};

MStatus createNodeOfType(const std::string& typeName, const std::string& name,
                         const MObject& parent, CreatedNode& created, std::string& error);

// A registered type's name from its id (empty when unknown).
std::string typeNameOf(unsigned int typeId);

} // namespace scene
