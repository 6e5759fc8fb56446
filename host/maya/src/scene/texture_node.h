#pragma once
// The host's 2D textures ("checker", "ramp", "noise"): colour as a function of (u, v), read
// by MRenderUtil::sampleShadingNetwork and by each node's own "outColor" from its "uvCoord".
#include <maya/MColor.h>
#include <maya/MPxNode.h>

#include <functional>

namespace scene {

using TextureSampler = std::function<MColor(double u, double v)>;

class TextureNode : public MPxNode {
public:
    static MObject uvCoord, uCoord, vCoord, outColor, outAlpha;

    // The texture with its current attribute values, ready to be sampled many times.
    virtual TextureSampler sampler() const = 0;
    MStatus compute(const MPlug& plug, MDataBlock& block) override;

    // Adds the shared attributes to the type being initialized; `inputs` affect the outputs.
    static MStatus addTextureAttributes(const std::vector<MObject>& inputs);
};

MObject createColorAttribute(const char* longName, const char* shortName, float r, float g,
                             float b);

void registerChecker();
void registerRamp();
void registerNoise();

} // namespace scene
