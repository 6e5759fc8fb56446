#pragma once
// Binds user node objects to their host nodes.
#include "node.h"

#include <maya/MPxNode.h>

struct MPxNodeAccess {
    static void bind(MPxNode& user, mcore::Node* node) { user.instance = node; }
    static mcore::Node* node(const MPxNode& user) {
        return static_cast<mcore::Node*>(user.instance);
    }
};
