// contourStore: the contour info record of one sample, run by the renderer on the sample's
// render thread right after its material shader, whose contour settings it picks up.
#include "binding/evaluate.h"
#include "binding/export.h"
#include "records.h"
#include "settingsTable.h"

namespace {

using quillomar::contour::ContourInfo;

// States from this one up its parent chain, itself included.
miInteger chainLevel(const miState* state) {
    miInteger level = 0;
    for (const miState* s = state; s != nullptr; s = s->parent) {
        ++level;
    }
    return level;
}

} // namespace

QUILLOMAR_SHADER_VERSION(contourStore)

QUILLOMAR_EXPORT miBoolean contourStore(ContourInfo* info, int* infoSize, miState* state,
                                        miColor* color) {
    info->point = state->point;
    info->normal = state->normal;
    info->normalGeom = state->normal_geom;
    info->material = state->material;
    info->label = static_cast<miInteger>(state->label);
    info->instance = state->instance;
    info->color = quillomar::evaluatedValue(state, color);
    info->settings = quillomar::contour::settingsTable().lookUp(state->thread);
    mi_query(miQ_PRI_INDEX, state, miNULLTAG, &info->index);
    info->level = chainLevel(state);
    *infoSize = quillomar::contour::kContourInfoSize;
    return miTRUE;
}
