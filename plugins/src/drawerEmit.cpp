#include "drawerEmit.h"

// GLUT first: on Windows it brings in the system header that gl.h needs.
#include <GL/glut.h>
#include <GL/gl.h>

void appendOutline(DrawerBatch& batch, const DrawerVertex* points, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        batch.push_back(points[i]);
        batch.push_back(points[(i + 1) % count]);
    }
}

void appendSegments(DrawerBatch& batch, const DrawerVertex* points, std::size_t count) {
    batch.insert(batch.end(), points, points + count);
}

void emitBatches(unsigned int mode, const DrawerBatches& batches) {
    for (const DrawerBatch& batch : batches) {
        glBegin(mode);
        for (const DrawerVertex& vertex : batch)
            glVertex3f(vertex.x, vertex.y, vertex.z);
        glEnd();
    }
}

float drawerAngle(int step) {
    const float quarterTurn = 1.5707964f;
    const float stepAngle = 0.09817477f;
    return static_cast<float>(step) * stepAngle + quarterTurn;
}
