#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/texture_node.h"

#include <maya/MFnNumericAttribute.h>
#include <maya/MPlug.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace scene {

namespace {

// A lattice value in [0, 1) from integer coordinates: the same everywhere, every run.
double latticeValue(int64_t x, int64_t y) {
    uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull ^
                 static_cast<uint64_t>(y) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
    return static_cast<double>(h >> 11) / 9007199254740992.0;
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double valueNoise(double x, double y) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int64_t ix = static_cast<int64_t>(fx), iy = static_cast<int64_t>(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = latticeValue(ix, iy), b = latticeValue(ix + 1, iy);
    const double c = latticeValue(ix, iy + 1), d = latticeValue(ix + 1, iy + 1);
    return (a + (b - a) * tx) * (1.0 - ty) + (c + (d - c) * tx) * ty;
}

// Grey fractal value noise: "depthMax" octaves starting at "frequency" cells per UV unit,
// each "frequencyRatio" times finer and "ratio" times weaker; scaled by "amplitude" about
// one half, raised by "threshold", clamped to [0, 1].
class Noise : public TextureNode {
public:
    static MObject threshold, amplitude, ratio, frequency, frequencyRatio, depthMax;

    static void* creator() { return new Noise(); }
    static MStatus initialize() {
        MFnNumericAttribute fn;
        threshold = fn.create("threshold", "th", MFnNumericData::kFloat, 0.0);
        amplitude = fn.create("amplitude", "a", MFnNumericData::kFloat, 1.0);
        ratio = fn.create("ratio", "ra", MFnNumericData::kFloat, 0.707);
        frequency = fn.create("frequency", "fq", MFnNumericData::kFloat, 8.0);
        frequencyRatio = fn.create("frequencyRatio", "fr", MFnNumericData::kFloat, 2.0);
        depthMax = fn.create("depthMax", "dm", MFnNumericData::kShort, 3.0);
        fn.setMin(1);
        fn.setMax(20);
        return addTextureAttributes(
            {threshold, amplitude, ratio, frequency, frequencyRatio, depthMax});
    }

    TextureSampler sampler() const override {
        const MObject node = thisMObject();
        const double th = MPlug(node, threshold).asFloat(), amp = MPlug(node, amplitude).asFloat();
        const double r = MPlug(node, ratio).asFloat(), f0 = MPlug(node, frequency).asFloat();
        const double fr = MPlug(node, frequencyRatio).asFloat();
        const int depth = std::clamp(MPlug(node, depthMax).asInt(), 1, 20);
        return [=](double u, double v) {
            double sum = 0.0, weight = 1.0, total = 0.0, f = f0;
            for (int k = 0; k < depth; ++k, weight *= r, f *= fr) {
                sum += weight * valueNoise(u * f + 17.0 * k, v * f + 31.0 * k);
                total += weight;
            }
            const double n = total > 0.0 ? sum / total : 0.0;
            const float grey = static_cast<float>(std::clamp(0.5 + amp * (n - 0.5) + th, 0.0, 1.0));
            return MColor(grey, grey, grey);
        };
    }
};

MObject Noise::threshold;
MObject Noise::amplitude;
MObject Noise::ratio;
MObject Noise::frequency;
MObject Noise::frequencyRatio;
MObject Noise::depthMax;

} // namespace

void registerNoise() {
    mcore::registerBuiltinNodeType("noise", MTypeId(kNoiseId), Noise::creator, Noise::initialize,
                                   MPxNode::kDependNode,
                                   {MFn::kNoise, MFn::kTexture2d, MFn::kDependencyNode});
}

} // namespace scene
