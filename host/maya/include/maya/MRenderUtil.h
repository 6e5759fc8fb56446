#pragma once
// Rendering utilities: sampling shading networks at points.
#include <maya/MFloatArray.h>
#include <maya/MFloatMatrix.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class MRenderUtil {
public:
    enum MRenderState {
        kNotRendering,
        kBatchRender,
        kInteractiveRender,
        kIprRender,
        kHardwareRender
    };

    static MRenderState mayaRenderState();

    // Samples a shading node or plug ("checker1.outColor") at numSamples points. Every pointer
    // argument may be NULL; uCoords/vCoords drive 2D textures. An array that is given must hold
    // numSamples entries: a shorter one fails the call with an error naming it.
    static MStatus sampleShadingNetwork(MString shadingNodeName, int numSamples, bool useShadowMaps,
                                        bool reuseMaps, MFloatMatrix& cameraMatrix,
                                        MFloatPointArray* points, MFloatArray* uCoords,
                                        MFloatArray* vCoords, MFloatVectorArray* normals,
                                        MFloatPointArray* refPoints, MFloatVectorArray* tangentUs,
                                        MFloatVectorArray* tangentVs, MFloatArray* filterSizes,
                                        MFloatVectorArray& resultColors,
                                        MFloatVectorArray& resultTransparencies);
};
