#pragma once
// Deformer with painted per-point weights: weightList[geometry].weights[point], default 1.
#include <maya/MPxGeometryFilter.h>

class MPxDeformerNode : public MPxGeometryFilter {
public:
    MPxDeformerNode();
    virtual ~MPxDeformerNode();
    MPxNode::Type type() const override;

    // Reads the stored weight without evaluating anything; safe from worker threads.
    float weightValue(MDataBlock& mblock, unsigned int multiIndex, unsigned int wtIndex);

    static MObject weightList; // "weightList" "wl": compound array
    static MObject weights;    // "weights" "w": float array child of weightList
};
