#pragma once
// The "obakeDeformer" node: a polygon mesh trails behind its own motion. Every vertex is pulled
// back towards its positions at the two previous active evaluations, more where it moves
// against its normal, where the painted weight is high and where the texture connected to
// noiseMap is bright.
#include <maya/MDataBlock.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

class ObakeDeformer : public MPxDeformerNode {
public:
    ~ObakeDeformer() override;
    MStatus deform(MDataBlock& block, MItGeometry& iter, const MMatrix& mat,
                   unsigned int multiIndex) override;

    // One colour per vertex of the mesh: the network feeding noiseMap sampled at the vertices,
    // or white when nothing feeds it (or the sampling fails).
    MFloatVectorArray sampleNoiseColors(const MPlug& noiseMap, const MObject& mesh) const;

    static void* creator();
    static MStatus initialize();

    static const MString nodeTypeName;
    static const MTypeId nodeTypeId;

    static MObject aStrength;
    static MObject aThreshold;
    static MObject aScale;
    static MObject aStartFrame;
    static MObject aNoiseMap;
    static MObject aTime;
};
