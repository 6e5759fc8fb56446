#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/texture_node.h"

#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPlug.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace scene {

namespace {

struct Entry {
    float position;
    MColor color;
};

// Colours at positions along v ("V Ramp", 0), u (1), the diagonal (2) or the distance from
// the centre (3), blended linearly between neighbouring entries; black without entries.
class Ramp : public TextureNode {
public:
    static MObject type, colorEntryList, position, color;

    static void* creator() { return new Ramp(); }
    static MStatus initialize() {
        MFnEnumAttribute fnEnum;
        type = fnEnum.create("type", "t", 0);
        fnEnum.addField("V Ramp", 0);
        fnEnum.addField("U Ramp", 1);
        fnEnum.addField("Diagonal Ramp", 2);
        fnEnum.addField("Radial Ramp", 3);
        MFnNumericAttribute fn;
        position = fn.create("position", "ep", MFnNumericData::kFloat, 0.0);
        color = createColorAttribute("color", "ec", 0.0f, 0.0f, 0.0f);
        MFnCompoundAttribute list;
        colorEntryList = list.create("colorEntryList", "cel");
        list.addChild(position);
        list.addChild(color);
        list.setArray(true);
        return addTextureAttributes({type, colorEntryList});
    }

    TextureSampler sampler() const override {
        MPlug list(thisMObject(), colorEntryList);
        std::vector<Entry> entries;
        for (unsigned int i = 0; i < list.numElements(); ++i) {
            MPlug element = list.elementByPhysicalIndex(i);
            MPlug colorPlug = element.child(color);
            float r = colorPlug.child(0).asFloat(), g = colorPlug.child(1).asFloat(),
                  b = colorPlug.child(2).asFloat();
            entries.push_back({element.child(position).asFloat(), MColor(r, g, b)});
        }
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.position < b.position; });
        const int kind = MPlug(thisMObject(), type).asInt();
        return [entries, kind](double u, double v) { return colorAt(entries, along(kind, u, v)); };
    }

private:
    static double along(int kind, double u, double v) {
        switch (kind) {
        case 1:
            return u;
        case 2:
            return 0.5 * (u + v);
        case 3:
            return std::hypot(u - 0.5, v - 0.5) * 2.0;
        default:
            return v;
        }
    }

    static MColor colorAt(const std::vector<Entry>& entries, double t) {
        if (entries.empty())
            return MColor(0.0f, 0.0f, 0.0f);
        if (t <= entries.front().position)
            return entries.front().color;
        for (size_t i = 1; i < entries.size(); ++i) {
            const Entry &a = entries[i - 1], &b = entries[i];
            if (t <= b.position) {
                const float span = b.position - a.position;
                const float f = span > 0.0f ? static_cast<float>((t - a.position) / span) : 1.0f;
                return a.color * (1.0f - f) + b.color * f;
            }
        }
        return entries.back().color;
    }
};

MObject Ramp::type;
MObject Ramp::colorEntryList;
MObject Ramp::position;
MObject Ramp::color;

} // namespace

void registerRamp() {
    mcore::registerBuiltinNodeType("ramp", MTypeId(kRampId), Ramp::creator, Ramp::initialize,
                                   MPxNode::kDependNode,
                                   {MFn::kRamp, MFn::kTexture2d, MFn::kDependencyNode});
}

} // namespace scene
