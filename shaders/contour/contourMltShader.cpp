// contourMltShader: a flat, optionally transparent surface that leaves its contour settings in
// the settings table for contourStore, and can let a labelled object behind it show through.
#include "binding/evaluate.h"
#include "binding/export.h"
#include "records.h"
#include "settingsTable.h"
#include "surface.h"

namespace {

using quillomar::evaluatedValue;
using quillomar::contour::ContourSettings;

struct MaterialParameters {
    miColor color;
    miColor transparency;
    miColor contourColor;
    miScalar widthRamp;
    miScalar widthMin;
    miScalar widthMax;
    miInteger overrideContrast; // booleans as their words: any value but 0 is true
    miScalar overrideAngle;
    miScalar overrideDepth;
    miInteger seeThrough;
    miInteger seeThroughLabel;
    miScalar seeThroughAlpha;
    miScalar falloffBase;
    miScalar nearDepth;
    miScalar nearFactor;
    miScalar farDepth;
    miScalar farFactor;
};

ContourSettings readSettings(miState* state, const MaterialParameters* p) {
    ContourSettings s;
    s.contourColor = evaluatedValue(state, &p->contourColor);
    s.widthRamp = evaluatedValue(state, &p->widthRamp);
    s.widthMin = evaluatedValue(state, &p->widthMin);
    s.widthMax = evaluatedValue(state, &p->widthMax);
    s.overrideContrast = evaluatedValue(state, &p->overrideContrast);
    s.overrideAngle = evaluatedValue(state, &p->overrideAngle);
    s.overrideDepth = evaluatedValue(state, &p->overrideDepth);
    s.falloffBase = evaluatedValue(state, &p->falloffBase);
    s.nearDepth = evaluatedValue(state, &p->nearDepth);
    s.nearFactor = evaluatedValue(state, &p->nearFactor);
    s.farDepth = evaluatedValue(state, &p->farDepth);
    s.farFactor = evaluatedValue(state, &p->farFactor);
    return s;
}

bool passesThrough(miRay_type type) {
    return type == miRAY_SHADOW || type == miRAY_DISPLACE;
}

} // namespace

QUILLOMAR_SHADER_VERSION(contourMltShader)

QUILLOMAR_EXPORT miBoolean contourMltShader(miColor* result, miState* state,
                                            MaterialParameters* parameters) {
    if (passesThrough(state->type)) {
        return miFALSE;
    }
    const MaterialParameters* p = parameters;
    miColor surface = evaluatedValue(state, &p->color);
    surface.a = quillomar::contour::opacity(evaluatedValue(state, &p->transparency));
    if (surface.a != 1.0f) {
        mi_trace_transparent(result, state);
    } else {
        // Nothing is traced behind an opaque surface; whatever the renderer left in the result
        // is not a colour to lay it over.
        *result = miColor{0.0f, 0.0f, 0.0f, 0.0f};
    }
    // Stored after the trace behind, so a material seen through this one cannot replace this
    // surface's settings for the sample.
    quillomar::contour::settingsTable().lookUp(state->thread) = readSettings(state, p);

    const miInteger label = evaluatedValue(state, &p->seeThroughLabel);
    const miInteger seeThrough = evaluatedValue(state, &p->seeThrough);
    if (seeThrough != 0) {
        mi_trace_transparent(result, state);
        const miState* child = state->child;
        if (child != nullptr && child->label == static_cast<miUint>(label)) {
            state->label = child->label;
            if (state->parent != nullptr) {
                return miTRUE;
            }
            result->a = evaluatedValue(state, &p->seeThroughAlpha);
            *result = quillomar::contour::over(*result, surface);
            return miTRUE;
        }
    }
    *result = quillomar::contour::over(surface, *result);
    return miTRUE;
}
