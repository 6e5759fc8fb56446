#include "scene/texture_node.h"

#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPlug.h>

namespace scene {

MObject TextureNode::uvCoord;
MObject TextureNode::uCoord;
MObject TextureNode::vCoord;
MObject TextureNode::outColor;
MObject TextureNode::outAlpha;

MObject createColorAttribute(const char* longName, const char* shortName, float r, float g,
                             float b) {
    MFnNumericAttribute fn;
    MObject attribute = fn.createColor(longName, shortName);
    fn.setDefault(r, g, b);
    fn.setKeyable(true);
    return attribute;
}

// The shared attributes are created once and added to every texture type.
MStatus TextureNode::addTextureAttributes(const std::vector<MObject>& inputs) {
    if (uvCoord.isNull()) {
        MFnNumericAttribute fn;
        uCoord = fn.create("uCoord", "u", MFnNumericData::kFloat, 0.0);
        vCoord = fn.create("vCoord", "v", MFnNumericData::kFloat, 0.0);
        uvCoord = fn.create("uvCoord", "uv", uCoord, vCoord);
        outColor = fn.createColor("outColor", "oc");
        fn.setWritable(false);
        fn.setStorable(false);
        outAlpha = fn.create("outAlpha", "oa", MFnNumericData::kFloat, 0.0);
        fn.setWritable(false);
        fn.setStorable(false);
    }
    for (const MObject& attribute : inputs)
        addAttribute(attribute);
    for (const MObject& attribute : {uvCoord, outColor, outAlpha})
        addAttribute(attribute);
    std::vector<MObject> all = inputs;
    all.push_back(uCoord);
    all.push_back(vCoord);
    for (const MObject& in : all)
        for (const MObject& out : {outColor, outAlpha})
            attributeAffects(in, out);
    return MS::kSuccess;
}

MStatus TextureNode::compute(const MPlug& plug, MDataBlock& block) {
    if (plug != outColor && plug != outAlpha && plug.parent() != outColor)
        return MS::kUnknownParameter;
    const float u = block.inputValue(uCoord).asFloat();
    const float v = block.inputValue(vCoord).asFloat();
    const MColor c = sampler()(u, v);
    block.outputValue(outColor).set(c.r, c.g, c.b);
    block.outputValue(outAlpha).set(c.a);
    block.setClean(outColor);
    block.setClean(outAlpha);
    return MS::kSuccess;
}

} // namespace scene
