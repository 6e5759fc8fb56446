#include <maya/MRenderUtil.h>

#include "scene/texture_node.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>

// The stand-in never renders.
MRenderUtil::MRenderState MRenderUtil::mayaRenderState() {
    return kNotRendering;
}

// Samples a 2D texture ("checker1" or a plug of it such as "checker1.outColor") at the given
// UVs; a missing or short UV array gives 0 for the samples it does not cover. Points, normals
// and the other optional arrays do not change a 2D texture's colour. Textures are opaque.
MStatus MRenderUtil::sampleShadingNetwork(MString shadingNodeName, int numSamples, bool, bool,
                                          MFloatMatrix&, MFloatPointArray*, MFloatArray* uCoords,
                                          MFloatArray* vCoords, MFloatVectorArray*,
                                          MFloatPointArray*, MFloatVectorArray*, MFloatVectorArray*,
                                          MFloatArray*, MFloatVectorArray& resultColors,
                                          MFloatVectorArray& resultTransparencies) {
    std::string name = shadingNodeName.asChar();
    name = name.substr(0, name.find('.'));
    MObject node = hostkit::findNode(name);
    auto* texture = dynamic_cast<scene::TextureNode*>(MFnDependencyNode(node).userNode());
    if (!texture || numSamples < 0)
        return MS::kInvalidParameter;
    const scene::TextureSampler sample = texture->sampler();
    resultColors.setLength(static_cast<unsigned int>(numSamples));
    resultTransparencies.setLength(static_cast<unsigned int>(numSamples));
    for (unsigned int i = 0; i < static_cast<unsigned int>(numSamples); ++i) {
        const double u = uCoords && i < uCoords->length() ? (*uCoords)[i] : 0.0;
        const double v = vCoords && i < vCoords->length() ? (*vCoords)[i] : 0.0;
        const MColor c = sample(u, v);
        resultColors[i] = MFloatVector(c.r, c.g, c.b);
        resultTransparencies[i] = MFloatVector(0.0f, 0.0f, 0.0f);
    }
    return MS::kSuccess;
}
