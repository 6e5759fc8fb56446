#pragma once
// Attributes declared paintable with "makePaintable": recorded for the painting tools a host
// would offer; the stand-in has none, so the list is only kept and reported.
#include <string>
#include <vector>

namespace scene {

struct PaintableAttribute {
    std::string nodeType, attribute, attrType, shapeMode;
};

std::vector<PaintableAttribute>& paintableAttributes();

} // namespace scene
