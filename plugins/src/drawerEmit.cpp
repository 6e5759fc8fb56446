#include "drawerEmit.h"

// GLUT first: on Windows it brings in the system header that gl.h needs.
#include <GL/glut.h>
#include <GL/gl.h>

void emitVertex(const DrawerVertex& vertex) {
    glVertex3f(vertex.x, vertex.y, vertex.z);
}

void emitOutline(const DrawerVertex* points, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        emitVertex(points[i]);
        emitVertex(points[(i + 1) % count]);
    }
}

void emitSegments(const DrawerVertex* points, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        emitVertex(points[i]);
}

float drawerAngle(int step) {
    const float quarterTurn = 1.5707964f;
    const float stepAngle = 0.09817477f;
    return static_cast<float>(step) * stepAngle + quarterTurn;
}
