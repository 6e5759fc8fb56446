#pragma once
// Node types of these tests, registered as host types on first use.
#include "core/internal.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPxNode.h>

#include <gtest/gtest.h>

namespace apitest {

// Registers T (once per process) as a dependency node type with the given initialize function,
// empties the scene and creates one node of it; returns the node's object (null on failure).
template <typename T>
MObject createNode(const char* type, unsigned int id, MInitializeFunction initialize,
                   const char* name) {
    static const bool registered = mcore::registerBuiltinNodeType(
        type, MTypeId(id), [] { return static_cast<void*>(new T()); }, initialize,
        MPxNode::kDependNode, {MFn::kPluginDependNode, MFn::kDependencyNode});
    EXPECT_TRUE(registered) << type;
    hostkit::resetScene();
    return hostkit::createNode(type, name);
}

template <typename T> T* userNode(const MObject& node) {
    return node.isNull() ? nullptr : static_cast<T*>(MFnDependencyNode(node).userNode());
}

} // namespace apitest
