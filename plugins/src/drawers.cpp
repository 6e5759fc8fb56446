#include "drawers.h"
#include "drawerEmit.h"

void Drawer::draw(GLenum) {}

void Square::draw(GLenum mode) {
    static const DrawerVertex outline[] = {{-1, 0, 1}, {1, 0, 1}, {1, 0, -1}, {-1, 0, -1}};
    glBegin(mode);
    emitOutline(outline);
    glEnd();
}

void Triangle::draw(GLenum mode) {
    // 0.866026 rather than the exact half root of three: existing scenes were laid out with it.
    static const DrawerVertex outline[] = {
        {0, 0, 1}, {0.866026f, 0, -0.5f}, {-0.866026f, 0, -0.5f}};
    glBegin(mode);
    emitOutline(outline);
    glEnd();
}

void Cross::draw(GLenum mode) {
    static const DrawerVertex outline[] = {{0.5f, 0, -1},  {0.5f, 0, -0.5f},  {1, 0, -0.5f},
                                           {1, 0, 0.5f},   {0.5f, 0, 0.5f},   {0.5f, 0, 1},
                                           {-0.5f, 0, 1},  {-0.5f, 0, 0.5f},  {-1, 0, 0.5f},
                                           {-1, 0, -0.5f}, {-0.5f, 0, -0.5f}, {-0.5f, 0, -1}};
    glBegin(mode);
    emitOutline(outline);
    glEnd();
}

void Arrow::draw(GLenum mode) {
    static const DrawerVertex outline[] = {{0, 0, -1},    {0.6f, 0, 0},  {0.3f, 0, 0}, {0.3f, 0, 1},
                                           {-0.3f, 0, 1}, {-0.3f, 0, 0}, {-0.6f, 0, 0}};
    glBegin(mode);
    emitOutline(outline);
    glEnd();
}

void BothArrow::draw(GLenum mode) {
    static const DrawerVertex outline[] = {
        {0, 0, -1}, {0.3f, 0, -0.5f}, {0.15f, 0, -0.5f}, {0.15f, 0, 0.5f},   {0.3f, 0, 0.5f},
        {0, 0, 1},  {-0.3f, 0, 0.5f}, {-0.15f, 0, 0.5f}, {-0.15f, 0, -0.5f}, {-0.3f, 0, -0.5f}};
    glBegin(mode);
    emitOutline(outline);
    glEnd();
}

void Star::draw(GLenum mode) {
    // The halves differ slightly (0.308316 / -0.30833, 0.498872 / -0.498884); kept as drawn so far.
    static const DrawerVertex outline[] = {{0, 0, -0.948926f},        {0.308316f, 0, -0.324186f},
                                           {1, 0, -0.22401f},         {0.498872f, 0, 0.262274f},
                                           {0.61665f, 0, 0.948926f},  {0, 0, 0.62472f},
                                           {-0.61665f, 0, 0.948926f}, {-0.498884f, 0, 0.262274f},
                                           {-1, 0, -0.22401f},        {-0.30833f, 0, -0.324186f}};
    glBegin(mode);
    emitOutline(outline);
    glEnd();
}

void MayaSign::draw(GLenum mode) {
    static const DrawerVertex axes[] = {{-1, 0, 0}, {1, 0, 0},  {0, -1, 0},
                                        {0, 1, 0},  {0, 0, -1}, {0, 0, 1}};
    glBegin(mode);
    emitSegments(axes);
    glEnd();
}

void Cube::draw(GLenum mode) {
    static const DrawerVertex top[] = {{-1, 1, 1}, {1, 1, 1}, {1, 1, -1}, {-1, 1, -1}};
    static const DrawerVertex bottom[] = {{-1, -1, 1}, {1, -1, 1}, {1, -1, -1}, {-1, -1, -1}};
    static const DrawerVertex verticals[] = {{1, 1, 1},  {1, -1, 1},  {-1, 1, 1},  {-1, -1, 1},
                                             {1, 1, -1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, -1}};
    glBegin(mode);
    emitOutline(top);
    emitOutline(bottom);
    emitSegments(verticals);
    glEnd();
}

void Pyramid::draw(GLenum mode) {
    static const DrawerVertex base[] = {{-1, -1, 1}, {1, -1, 1}, {1, -1, -1}, {-1, -1, -1}};
    static const DrawerVertex toApex[] = {{1, -1, 1},  {0, 1, 0}, {-1, -1, 1},  {0, 1, 0},
                                          {1, -1, -1}, {0, 1, 0}, {-1, -1, -1}, {0, 1, 0}};
    glBegin(mode);
    emitOutline(base);
    emitSegments(toApex);
    glEnd();
}
