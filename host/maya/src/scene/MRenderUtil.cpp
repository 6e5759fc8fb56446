#include <maya/MRenderUtil.h>

#include "scene/texture_node.h"

#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>

#include <array>
#include <string>
#include <vector>

// The stand-in never renders.
MRenderUtil::MRenderState MRenderUtil::mayaRenderState() {
    return kNotRendering;
}

namespace {

struct SampleArray {
    const char* name;
    const void* given; // null when the caller passed none
    unsigned int length;
};

template <class Array> SampleArray sampleArray(const char* name, const Array* array) {
    return {name, array, array ? array->length() : 0u};
}

// Maya reads numSamples entries from every array it is given, so a shorter one would be read
// past its end there: name every such array and refuse the call.
bool refuseShortArrays(const std::vector<SampleArray>& arrays, int numSamples) {
    std::string shortOnes;
    for (const SampleArray& array : arrays) {
        if (!array.given || array.length >= static_cast<unsigned int>(numSamples))
            continue;
        shortOnes += (shortOnes.empty() ? "" : ", ") + std::string(array.name) + " (" +
                     std::to_string(array.length) + ")";
    }
    if (shortOnes.empty())
        return false;
    MGlobal::displayError(("MRenderUtil::sampleShadingNetwork: " + std::to_string(numSamples) +
                           " samples, but these arrays are shorter: " + shortOnes)
                              .c_str());
    return true;
}

int callCount = 0;
hostkit::ShadingSampleCall lastCall;

template <class Array> std::vector<std::array<float, 3>> triples(const Array& array) {
    std::vector<std::array<float, 3>> copy;
    for (unsigned int i = 0; i < array.length(); ++i)
        copy.push_back({array[i].x, array[i].y, array[i].z});
    return copy;
}

std::vector<float> floats(const MFloatArray& array) {
    std::vector<float> copy;
    for (unsigned int i = 0; i < array.length(); ++i)
        copy.push_back(array[i]);
    return copy;
}

void record(const MString& node, int numSamples, bool useShadowMaps, bool reuseMaps,
            const MFloatMatrix& camera, const MFloatPointArray* points, const MFloatArray* u,
            const MFloatArray* v, const MFloatVectorArray* normals, bool refPoints, bool tangentUs,
            bool tangentVs, bool filterSizes) {
    hostkit::ShadingSampleCall call;
    call.shadingNode = node.asChar();
    call.samples = numSamples;
    call.useShadowMaps = useShadowMaps;
    call.reuseMaps = reuseMaps;
    for (unsigned int row = 0; row < 4; ++row)
        for (unsigned int column = 0; column < 4; ++column)
            call.camera[row * 4 + column] = camera(row, column);
    call.hasPoints = points != nullptr;
    call.hasU = u != nullptr;
    call.hasV = v != nullptr;
    call.hasNormals = normals != nullptr;
    if (points)
        call.points = triples(*points);
    if (u)
        call.u = floats(*u);
    if (v)
        call.v = floats(*v);
    if (normals)
        call.normals = triples(*normals);
    call.hasRefPoints = refPoints;
    call.hasTangentUs = tangentUs;
    call.hasTangentVs = tangentVs;
    call.hasFilterSizes = filterSizes;
    lastCall = std::move(call);
    ++callCount;
}

} // namespace

namespace hostkit {

int shadingSampleCalls() {
    return callCount;
}

ShadingSampleCall lastShadingSample() {
    return lastCall;
}

} // namespace hostkit

// Samples a 2D texture ("checker1" or a plug of it such as "checker1.outColor") at the given
// UVs; without UV arrays every sample reads (0, 0). Points, normals and the other optional arrays
// do not change a 2D texture's colour, but like the UVs each one given must hold an entry per
// sample. Textures are opaque.
MStatus MRenderUtil::sampleShadingNetwork(
    MString shadingNodeName, int numSamples, bool useShadowMaps, bool reuseMaps,
    MFloatMatrix& cameraMatrix, MFloatPointArray* points, MFloatArray* uCoords,
    MFloatArray* vCoords, MFloatVectorArray* normals, MFloatPointArray* refPoints,
    MFloatVectorArray* tangentUs, MFloatVectorArray* tangentVs, MFloatArray* filterSizes,
    MFloatVectorArray& resultColors, MFloatVectorArray& resultTransparencies) {
    record(shadingNodeName, numSamples, useShadowMaps, reuseMaps, cameraMatrix, points, uCoords,
           vCoords, normals, refPoints != nullptr, tangentUs != nullptr, tangentVs != nullptr,
           filterSizes != nullptr);
    std::string name = shadingNodeName.asChar();
    name = name.substr(0, name.find('.'));
    MObject node = hostkit::findNode(name);
    auto* texture = dynamic_cast<scene::TextureNode*>(MFnDependencyNode(node).userNode());
    if (!texture || numSamples < 0)
        return MS::kInvalidParameter;
    if (refuseShortArrays({sampleArray("points", points), sampleArray("uCoords", uCoords),
                           sampleArray("vCoords", vCoords), sampleArray("normals", normals),
                           sampleArray("refPoints", refPoints), sampleArray("tangentUs", tangentUs),
                           sampleArray("tangentVs", tangentVs),
                           sampleArray("filterSizes", filterSizes)},
                          numSamples))
        return MS::kInvalidParameter;
    const scene::TextureSampler sample = texture->sampler();
    resultColors.setLength(static_cast<unsigned int>(numSamples));
    resultTransparencies.setLength(static_cast<unsigned int>(numSamples));
    for (unsigned int i = 0; i < static_cast<unsigned int>(numSamples); ++i) {
        const double u = uCoords ? (*uCoords)[i] : 0.0;
        const double v = vCoords ? (*vCoords)[i] : 0.0;
        const MColor c = sample(u, v);
        resultColors[i] = MFloatVector(c.r, c.g, c.b);
        resultTransparencies[i] = MFloatVector(0.0f, 0.0f, 0.0f);
    }
    return MS::kSuccess;
}
