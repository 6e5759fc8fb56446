#include "signShapes.h"
#include "drawers.h"

namespace {
// The drawer lives only for the one drawing.
template <class Shape> void drawWith(GLenum mode) {
    Shape shape;
    shape.draw(mode);
}

template <class Shape> DrawerBatches verticesOf() {
    return Shape().vertices();
}

template <class Shape> constexpr SignShape shape(const char* label, short value) {
    return {label, value, drawWith<Shape>, verticesOf<Shape>};
}
} // namespace

const SignShape kSignShapes[] = {
    shape<Circle>("Circle", 0),
    shape<Square>("Square", 1),
    shape<Triangle>("Triangle", 2),
    shape<Cross>("Cross", 3),
    shape<Arrow>("Arrow", 30),
    shape<BothArrow>("Both Arrow", 31),
    shape<Arch>("Arch", 60),
    shape<Ellipse1>("Ellipse", 61),
    shape<Star>("Star", 62),
    shape<Cube>("Cube", 90),
    shape<Sphere>("Sphere", 91),
    shape<Pyramid>("Pyramid", 92),
    shape<MayaSign>("Sign", 120),
    shape<Root>("Root", 121),
    {"CV Curve", kCvCurveType, nullptr, nullptr},
    {"None", 999, nullptr, nullptr},
};
const std::size_t kSignShapeCount = sizeof(kSignShapes) / sizeof(kSignShapes[0]);

namespace {
const SignShape* shapeOf(int type) {
    for (std::size_t i = 0; i < kSignShapeCount; ++i)
        if (kSignShapes[i].value == type && kSignShapes[i].draw)
            return &kSignShapes[i];
    return nullptr;
}
} // namespace

void drawSignShape(int type, GLenum mode) {
    if (const SignShape* shape = shapeOf(type))
        shape->draw(mode);
}

DrawerBatches signShapeVertices(int type) {
    const SignShape* shape = shapeOf(type);
    return shape ? shape->vertices() : DrawerBatches();
}
