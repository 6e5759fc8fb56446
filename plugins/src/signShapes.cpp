#include "signShapes.h"
#include "drawers.h"

namespace {
// The drawer lives only for the one drawing.
template <class Shape> void drawWith(GLenum mode) {
    Shape shape;
    shape.draw(mode);
}
} // namespace

const SignShape kSignShapes[] = {
    {"Circle", 0, drawWith<Circle>},     {"Square", 1, drawWith<Square>},
    {"Triangle", 2, drawWith<Triangle>}, {"Cross", 3, drawWith<Cross>},
    {"Arrow", 30, drawWith<Arrow>},      {"Both Arrow", 31, drawWith<BothArrow>},
    {"Arch", 60, drawWith<Arch>},        {"Ellipse", 61, drawWith<Ellipse1>},
    {"Star", 62, drawWith<Star>},        {"Cube", 90, drawWith<Cube>},
    {"Sphere", 91, drawWith<Sphere>},    {"Pyramid", 92, drawWith<Pyramid>},
    {"Sign", 120, drawWith<MayaSign>},   {"Root", 121, drawWith<Root>},
    {"CV Curve", kCvCurveType, nullptr}, {"None", 999, nullptr},
};
const std::size_t kSignShapeCount = sizeof(kSignShapes) / sizeof(kSignShapes[0]);

void drawSignShape(int type, GLenum mode) {
    for (std::size_t i = 0; i < kSignShapeCount; ++i) {
        if (kSignShapes[i].value == type && kSignShapes[i].draw)
            kSignShapes[i].draw(mode);
    }
}
