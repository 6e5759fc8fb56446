#include <maya/MRenderUtil.h>

#include "scene/texture_node.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>

#include <string>

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

} // namespace

// Samples a 2D texture ("checker1" or a plug of it such as "checker1.outColor") at the given
// UVs; without UV arrays every sample reads (0, 0). Points, normals and the other optional arrays
// do not change a 2D texture's colour, but like the UVs each one given must hold an entry per
// sample. Textures are opaque.
MStatus MRenderUtil::sampleShadingNetwork(MString shadingNodeName, int numSamples, bool, bool,
                                          MFloatMatrix&, MFloatPointArray* points,
                                          MFloatArray* uCoords, MFloatArray* vCoords,
                                          MFloatVectorArray* normals, MFloatPointArray* refPoints,
                                          MFloatVectorArray* tangentUs,
                                          MFloatVectorArray* tangentVs, MFloatArray* filterSizes,
                                          MFloatVectorArray& resultColors,
                                          MFloatVectorArray& resultTransparencies) {
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
