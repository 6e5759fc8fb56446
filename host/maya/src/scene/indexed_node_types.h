#pragma once
// Node types described by rows of a table, each row one type: its MPxNode class is a template
// instance on the row's index, whose initialize and compute hand the index to shared functions.
#include "core/internal.h"

#include <maya/MDataBlock.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>

#include <utility>

namespace scene {

using IndexedInitialize = MStatus (*)(int row);
using IndexedCompute = MStatus (*)(int row, const MPlug& plug, MDataBlock& block);

template <IndexedInitialize Initialize, IndexedCompute Compute, int Row>
class IndexedNode : public MPxNode {
public:
    static void* creator() { return new IndexedNode(); }
    static MStatus initialize() { return Initialize(Row); }
    MStatus compute(const MPlug& plug, MDataBlock& block) override {
        return Compute(Row, plug, block);
    }
};

// Registers one dependency-node type per row: names[row], type id firstId + row.
template <IndexedInitialize Initialize, IndexedCompute Compute, int... Row>
void registerIndexedTypes(const char* const (&names)[sizeof...(Row)], unsigned int firstId,
                          std::integer_sequence<int, Row...>) {
    (mcore::registerBuiltinNodeType(names[Row], MTypeId(firstId + Row),
                                    IndexedNode<Initialize, Compute, Row>::creator,
                                    IndexedNode<Initialize, Compute, Row>::initialize,
                                    MPxNode::kDependNode, {MFn::kDependencyNode}),
     ...);
}

} // namespace scene
