// contourShader: colour and width of a contour point, from the contour settings of the sample in
// front. Its parameter block holds nothing it reads.
#include "binding/export.h"
#include "line.h"

QUILLOMAR_SHADER_VERSION(contourShader)

QUILLOMAR_EXPORT miBoolean contourShader(miContour_endpoint* result,
                                         quillomar::contour::ContourInfo* infoNear,
                                         quillomar::contour::ContourInfo* infoFar, miState*,
                                         void*) {
    const quillomar::contour::LineEnd line = quillomar::contour::lineEnd(infoNear, infoFar);
    result->color = line.color;
    result->width = line.width;
    return miTRUE;
}
