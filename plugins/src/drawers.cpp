#include "drawers.h"
#include "drawerEmit.h"

void Drawer::draw(GLenum) {}

DrawerBatches Square::vertices() const {
    static const DrawerVertex outline[] = {{-1, 0, 1}, {1, 0, 1}, {1, 0, -1}, {-1, 0, -1}};
    return {outlineOf(outline)};
}

void Square::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches Triangle::vertices() const {
    // 0.866026 rather than the exact half root of three: existing scenes were laid out with it.
    static const DrawerVertex outline[] = {
        {0, 0, 1}, {0.866026f, 0, -0.5f}, {-0.866026f, 0, -0.5f}};
    return {outlineOf(outline)};
}

void Triangle::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches Cross::vertices() const {
    static const DrawerVertex outline[] = {{0.5f, 0, -1},  {0.5f, 0, -0.5f},  {1, 0, -0.5f},
                                           {1, 0, 0.5f},   {0.5f, 0, 0.5f},   {0.5f, 0, 1},
                                           {-0.5f, 0, 1},  {-0.5f, 0, 0.5f},  {-1, 0, 0.5f},
                                           {-1, 0, -0.5f}, {-0.5f, 0, -0.5f}, {-0.5f, 0, -1}};
    return {outlineOf(outline)};
}

void Cross::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches Arrow::vertices() const {
    static const DrawerVertex outline[] = {{0, 0, -1},    {0.6f, 0, 0},  {0.3f, 0, 0}, {0.3f, 0, 1},
                                           {-0.3f, 0, 1}, {-0.3f, 0, 0}, {-0.6f, 0, 0}};
    return {outlineOf(outline)};
}

void Arrow::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches BothArrow::vertices() const {
    static const DrawerVertex outline[] = {
        {0, 0, -1}, {0.3f, 0, -0.5f}, {0.15f, 0, -0.5f}, {0.15f, 0, 0.5f},   {0.3f, 0, 0.5f},
        {0, 0, 1},  {-0.3f, 0, 0.5f}, {-0.15f, 0, 0.5f}, {-0.15f, 0, -0.5f}, {-0.3f, 0, -0.5f}};
    return {outlineOf(outline)};
}

void BothArrow::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches Star::vertices() const {
    // The halves differ slightly (0.308316 / -0.30833, 0.498872 / -0.498884); kept as drawn so far.
    static const DrawerVertex outline[] = {{0, 0, -0.948926f},        {0.308316f, 0, -0.324186f},
                                           {1, 0, -0.22401f},         {0.498872f, 0, 0.262274f},
                                           {0.61665f, 0, 0.948926f},  {0, 0, 0.62472f},
                                           {-0.61665f, 0, 0.948926f}, {-0.498884f, 0, 0.262274f},
                                           {-1, 0, -0.22401f},        {-0.30833f, 0, -0.324186f}};
    return {outlineOf(outline)};
}

void Star::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches MayaSign::vertices() const {
    static const DrawerVertex axes[] = {{-1, 0, 0}, {1, 0, 0},  {0, -1, 0},
                                        {0, 1, 0},  {0, 0, -1}, {0, 0, 1}};
    return {segmentsOf(axes)};
}

void MayaSign::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches Cube::vertices() const {
    static const DrawerVertex top[] = {{-1, 1, 1}, {1, 1, 1}, {1, 1, -1}, {-1, 1, -1}};
    static const DrawerVertex bottom[] = {{-1, -1, 1}, {1, -1, 1}, {1, -1, -1}, {-1, -1, -1}};
    static const DrawerVertex verticals[] = {{1, 1, 1},  {1, -1, 1},  {-1, 1, 1},  {-1, -1, 1},
                                             {1, 1, -1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, -1}};
    DrawerBatch batch;
    appendOutline(batch, top);
    appendOutline(batch, bottom);
    appendSegments(batch, verticals);
    return {batch};
}

void Cube::draw(GLenum mode) {
    emitBatches(mode, vertices());
}

DrawerBatches Pyramid::vertices() const {
    static const DrawerVertex base[] = {{-1, -1, 1}, {1, -1, 1}, {1, -1, -1}, {-1, -1, -1}};
    static const DrawerVertex toApex[] = {{1, -1, 1},  {0, 1, 0}, {-1, -1, 1},  {0, 1, 0},
                                          {1, -1, -1}, {0, 1, 0}, {-1, -1, -1}, {0, 1, 0}};
    DrawerBatch batch;
    appendOutline(batch, base);
    appendSegments(batch, toApex);
    return {batch};
}

void Pyramid::draw(GLenum mode) {
    emitBatches(mode, vertices());
}
