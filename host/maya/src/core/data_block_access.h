#pragma once
// Builds data blocks and handles over stored values.
#include "node.h"
#include "value.h"

#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>

struct MDataHandleAccess {
    static MDataBlock block(mcore::Node* node) { return MDataBlock(node); }
    static mcore::Node* node(const MDataBlock& block) {
        return static_cast<mcore::Node*>(block.fNode);
    }
    static MDataHandle handle(mcore::Value* value, mcore::Node* node) {
        MDataHandle h;
        h.fValue = value;
        h.fNode = node;
        h.fAttr = value ? const_cast<mcore::Attribute*>(value->attr) : nullptr;
        return h;
    }
    static mcore::Value* value(const MDataHandle& h) {
        return static_cast<mcore::Value*>(h.fValue);
    }
    static mcore::Node* node(const MDataHandle& h) { return static_cast<mcore::Node*>(h.fNode); }
    static mcore::Value* array(const MArrayDataHandle& h) {
        return static_cast<mcore::Value*>(h.fArray);
    }
    static mcore::Node* node(const MArrayDataHandle& h) {
        return static_cast<mcore::Node*>(h.fNode);
    }
    static MArrayDataHandle arrayHandle(mcore::Value* array, mcore::Node* node, bool writable) {
        MArrayDataHandle h;
        h.fArray = array;
        h.fNode = node;
        h.fAttr = array ? const_cast<mcore::Attribute*>(array->attr) : nullptr;
        h.fPosition = 0;
        h.fWritable = writable;
        return h;
    }
};
