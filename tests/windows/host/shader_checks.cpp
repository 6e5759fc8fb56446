#include "shader_checks.h"

#include "check.h"
#include "choice_instance.h"
#include "parameter_block.h"
#include "renderer_exports.h"

#include <cmath>
#include <string>

namespace {

bool near(const miColor& c, float r, float g, float b, float a) {
    const float tolerance = 1e-6f;
    return std::fabs(c.r - r) <= tolerance && std::fabs(c.g - g) <= tolerance &&
           std::fabs(c.b - b) <= tolerance && std::fabs(c.a - a) <= tolerance;
}

std::string show(const miColor& c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ", " + std::to_string(c.a) + ")";
}

// ---- composite

struct CompositeLayer {
    miInteger blendMode;
    miColor color;
    miScalar opacity;
    miColor mask;
};

struct CompositeDeclared {
    miColor baseColor;
    miInteger i_layers;
    miInteger n_layers;
    CompositeLayer layers[1];
};

const miColor kWhite{1, 1, 1, 1};

// A grey normal layer at full strength under a half-strength multiply of (1, 0.5, 0).
const std::vector<CompositeLayer> kLayers = {{0, {0.5f, 0.5f, 0.5f, 0.0f}, 1.0f, kWhite},
                                             {2, {1.0f, 0.5f, 0.0f, 0.0f}, 0.5f, kWhite}};

miColor runComposite(const ShaderLibrary& library, ParameterBlock& block) {
    using Shader = miBoolean (*)(miColor*, miState*, void*);
    miColor result{-1, -1, -1, -1};
    miState state{};
    state.shader = &block.record();
    auto composite = library.function<Shader>("composite");
    check(composite(&result, &state, &block.fields<CompositeDeclared>()) == miTRUE,
          "composite returns true");
    return result;
}

// ---- contour pipeline

struct MaterialDeclared {
    miColor color;
    miColor transparency;
    miColor contourColor;
    miScalar widthRamp, widthMin, widthMax;
    miBoolean overrideContrast;
    miScalar overrideAngle, overrideDepth;
    miBoolean seeThrough;
    miInteger seeThroughLabel;
    miScalar seeThroughAlpha;
    miScalar falloffBase, nearDepth, nearFactor, farDepth, farFactor;
};

struct ContourSettings {
    miColor contourColor;
    miScalar widthRamp, widthMin, widthMax;
    miBoolean overrideContrast;
    miScalar overrideAngle, overrideDepth, falloffBase, nearDepth, nearFactor, farDepth, farFactor;
};

struct ContourInfo {
    miVector point, normal;
    miColor color;
    miTag material;
    miInteger level, label, index;
    miVector normalGeom;
    miTag instance;
    ContourSettings settings;
};
static_assert(sizeof(ContourInfo) == 132, "the contour info record is 33 words");

struct ContrastDeclared {
    miScalar depthDelta, angleDelta;
    miBoolean diffMaterial, diffLabel, diffIndex, diffInstance, colorContrast;
    miInteger minLevel, maxLevel;
};

miState contourSample(miOptions& options) {
    miState state{};
    state.type = miRAY_EYE;
    state.options = &options;
    state.thread = 3;
    state.label = 5;
    state.pri_idx = 42;
    state.material = 11;
    state.instance = 12;
    state.point = {0, 0, -10};
    state.normal = {0, 0, 1};
    state.normal_geom = {0, 0, 1};
    return state;
}

// A see-through surface (white transparency) with a red line of width 2 (the ramp halfway from
// 1 to 3), fall-off base 0.5 and a depth factor of 2 at every depth.
void fillMaterial(MaterialDeclared& m) {
    m.color = {0.8f, 0.8f, 0.8f, 1.0f};
    m.transparency = kWhite;
    m.contourColor = {1, 0, 0, 1};
    m.widthRamp = 0.5f;
    m.widthMin = 1;
    m.widthMax = 3;
    m.falloffBase = 0.5f;
    m.nearDepth = 1;
    m.nearFactor = 2;
    m.farDepth = 100;
    m.farFactor = 2;
}

void checkMaterial(const ShaderLibrary& library, miState& state) {
    using Shader = miBoolean (*)(miColor*, miState*, void*);
    ParameterBlock block(sizeof(MaterialDeclared), 0);
    fillMaterial(block.fields<MaterialDeclared>());
    state.shader = &block.record();
    renderer::traceBehind({0.2f, 0.4f, 0.6f, 1.0f}, 0);
    renderer::resetCalls();
    miColor result{};
    auto material = library.function<Shader>("contourMltShader");
    check(material(&result, &state, &block.fields<MaterialDeclared>()) == miTRUE,
          "contourMltShader returns true for an eye ray");
    check(renderer::calls().traceTransparent == 1,
          "contourMltShader traces once through a fully transparent surface");
    check(near(result, 0.2f, 0.4f, 0.6f, 1.0f),
          "a fully transparent surface shows what lies behind: " + show(result));
    state.shader = nullptr;
}

void checkStore(const ShaderLibrary& library, miState& state, ContourInfo& info) {
    using Store = miBoolean (*)(void*, int*, miState*, miColor*);
    miColor sample{0.3f, 0.3f, 0.3f, 1.0f};
    int size = 0;
    renderer::resetCalls();
    auto store = library.function<Store>("contourStore");
    check(store(&info, &size, &state, &sample) == miTRUE && size == 132,
          "contourStore returns true and a 132-byte record");
    check(renderer::calls().query == 1 && renderer::calls().lastQueryCode == miQ_PRI_INDEX &&
              info.index == 42,
          "contourStore takes the primitive index from mi_query code 159");
    check(info.level == 1 && info.label == 5 && info.material == 11 && info.instance == 12 &&
              info.point.z == -10.0f && near(info.color, 0.3f, 0.3f, 0.3f, 1.0f),
          "contourStore records the sample");
    check(near(info.settings.contourColor, 1, 0, 0, 1) && info.settings.widthMax == 3.0f &&
              info.settings.farFactor == 2.0f,
          "contourStore copies the settings the material left for this thread");
}

void checkContrast(const ShaderLibrary& library, miState& state, ContourInfo& info) {
    using Contrast = miBoolean (*)(void*, void*, int, miState*, void*);
    ContrastDeclared parameters{};
    parameters.minLevel = 0;
    parameters.maxLevel = 10;
    auto contrast = library.function<Contrast>("contourContrast");
    check(contrast(&info, nullptr, 1, &state, &parameters) == miTRUE,
          "a sample next to one that hit nothing is a contour");
    check(contrast(&info, nullptr, 11, &state, &parameters) == miFALSE,
          "no contour above the highest level");
}

void checkLine(const ShaderLibrary& library, miState& state, ContourInfo& info) {
    using Line = miBoolean (*)(miContour_endpoint*, void*, void*, miState*, void*);
    miContour_endpoint end{};
    int unused = 0;
    auto line = library.function<Line>("contourShader");
    check(line(&end, &info, nullptr, &state, &unused) == miTRUE, "contourShader returns true");
    // Fall-off 0.5 * 0.5 (no far sample) times width 2 times depth factor 2.
    check(near(end.color, 1, 0, 0, 1) && std::fabs(end.width - 1.0f) <= 1e-6f,
          "contourShader gives the material's colour and width 1: " + show(end.color) + " " +
              std::to_string(end.width));
}

} // namespace

void checkChoiceMr(const ShaderLibrary& library) {
    ChoiceInstance constant(1);
    ChoiceResult result;
    renderer::resetCalls();
    check(constant.run(library, result) && ChoiceInstance::picked(result, 1),
          "choiceMr picks position 1 of every array");
    check(renderer::calls().phenEval == 0, "constant parameters are read in place");

    ChoiceInstance attached(1);
    attached.attachSelector();
    const miInteger two = 2;
    renderer::answerAttachment(attached.selectorField(), &two);
    check(attached.run(library, result) && ChoiceInstance::picked(result, 2),
          "an attached selector is read through mi_phen_eval");
    check(renderer::calls().phenEval == 1, "mi_phen_eval is called for the attached selector");
    renderer::forgetAttachments();
}

void checkComposite(const ShaderLibrary& library) {
    const miColor base{0.2f, 0.4f, 0.6f, 0.5f};
    ParameterBlock bare(sizeof(CompositeDeclared), 0);
    bare.fields<CompositeDeclared>().baseColor = base;
    miColor result = runComposite(library, bare);
    check(near(result, 0.2f, 0.4f, 0.6f, 0.5f), "no layers give the base colour: " + show(result));

    ParameterBlock layered(sizeof(CompositeDeclared), 3 * sizeof(CompositeLayer));
    CompositeDeclared& p = layered.fields<CompositeDeclared>();
    p.baseColor = base;
    p.i_layers = layered.append(p.layers, kLayers);
    p.n_layers = static_cast<miInteger>(kLayers.size());
    result = runComposite(library, layered);
    check(near(result, 0.5f, 0.375f, 0.25f, 1.0f),
          "grey, then a half-strength multiply: " + show(result));

    // The top layer's opacity attached to a full-strength value.
    const miScalar full = 1.0f;
    const miScalar* opacity = &p.layers[p.i_layers + 1].opacity;
    layered.attach(opacity);
    renderer::answerAttachment(opacity, &full);
    result = runComposite(library, layered);
    check(near(result, 0.5f, 0.25f, 0.0f, 1.0f),
          "an attached layer opacity is read through mi_phen_eval: " + show(result));
    renderer::forgetAttachments();
}

void checkContourPipeline(const ShaderLibrary& library) {
    miOptions options{};
    options.contrast = {0.1f, 0.1f, 0.1f, 0.1f};
    miState state = contourSample(options);
    ContourInfo info{};
    checkMaterial(library, state);
    checkStore(library, state, info);
    checkContrast(library, state, info);
    checkLine(library, state, info);
}
