#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/texture_node.h"

#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MPlug.h>

#include <cmath>

namespace scene {

namespace {

MColor readColor(const MObject& node, const MObject& attribute) {
    float r = 0, g = 0, b = 0;
    MObject data = MPlug(node, attribute).asMObject();
    MFnNumericData(data).getData(r, g, b);
    return MColor(r, g, b);
}

// Four by four squares over the unit UV square, color1 in the corner at (0, 0).
class Checker : public TextureNode {
public:
    static MObject color1, color2;

    static void* creator() { return new Checker(); }
    static MStatus initialize() {
        color1 = createColorAttribute("color1", "c1", 1.0f, 1.0f, 1.0f);
        color2 = createColorAttribute("color2", "c2", 0.0f, 0.0f, 0.0f);
        return addTextureAttributes({color1, color2});
    }
    TextureSampler sampler() const override {
        const MColor a = readColor(thisMObject(), color1), b = readColor(thisMObject(), color2);
        return [a, b](double u, double v) {
            const long cell = static_cast<long>(std::floor(u * 4.0) + std::floor(v * 4.0));
            return cell % 2 == 0 ? a : b;
        };
    }
};

MObject Checker::color1;
MObject Checker::color2;

} // namespace

void registerChecker() {
    mcore::registerBuiltinNodeType("checker", MTypeId(kCheckerId), Checker::creator,
                                   Checker::initialize, MPxNode::kDependNode,
                                   {MFn::kChecker, MFn::kTexture2d, MFn::kDependencyNode});
}

} // namespace scene
