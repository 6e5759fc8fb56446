// Driver-face queries of Viewport 2.0: drawable kinds and the registered draw overrides.
#include "vp2/draw_registry.h"

#include <hostkit/drawables.h>

namespace hostkit {

const char* drawableKindName(Drawable::Kind kind) {
    switch (kind) {
    case Drawable::kPoints:
        return "points";
    case Drawable::kLines:
        return "lines";
    case Drawable::kLineStrip:
        return "line strip";
    case Drawable::kClosedLine:
        return "closed line";
    case Drawable::kTriangles:
        return "triangles";
    case Drawable::kTriStrip:
        return "triangle strip";
    case Drawable::kText:
        return "text";
    }
    return "?";
}

std::vector<DrawOverrideInfo> drawOverrides() {
    std::vector<DrawOverrideInfo> result;
    for (const mvp2::Registration& registration : mvp2::registrations())
        result.push_back({registration.classification, registration.registrant});
    return result;
}

} // namespace hostkit
