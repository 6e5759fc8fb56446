#include "viewport_impl.h"

#include <GL/gl.h>

#include <cmath>

namespace hostkit::detail {
namespace {

constexpr int kGridHalfExtent = 12; // Maya's default grid: 12 units each way, a line per unit

void loadModelView(const MMatrix& m) {
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(&m.matrix[0][0]);
}

// Newell's normal of a face; works for non-planar and concave polygons.
std::array<double, 3> faceNormal(const MeshToDraw& mesh, const std::vector<int>& face) {
    std::array<double, 3> n{0, 0, 0};
    for (std::size_t i = 0; i < face.size(); ++i) {
        const auto& a = mesh.points[std::size_t(face[i])];
        const auto& b = mesh.points[std::size_t(face[(i + 1) % face.size()])];
        n[0] += (a[1] - b[1]) * (a[2] + b[2]);
        n[1] += (a[2] - b[2]) * (a[0] + b[0]);
        n[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    return n;
}

bool validFace(const MeshToDraw& mesh, const std::vector<int>& face) {
    for (int index : face)
        if (index < 0 || std::size_t(index) >= mesh.points.size())
            return false;
    return face.size() >= 3;
}

void headlight() {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const GLfloat direction[] = {0.3f, 0.4f, 1.0f, 0.0f};
    const GLfloat diffuse[] = {0.8f, 0.8f, 0.8f, 1.0f};
    const GLfloat ambient[] = {0.25f, 0.25f, 0.25f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glPopMatrix();
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_NORMALIZE);
}

void drawShaded(const MeshToDraw& mesh) {
    glColor3f(0.62f, 0.62f, 0.62f);
    for (const auto& face : mesh.faces) {
        if (!validFace(mesh, face))
            continue;
        const auto n = faceNormal(mesh, face);
        glNormal3d(n[0], n[1], n[2]);
        glBegin(GL_POLYGON);
        for (int index : face)
            glVertex3dv(mesh.points[std::size_t(index)].data());
        glEnd();
    }
}

void drawWire(const MeshToDraw& mesh) {
    glColor3f(0.0f, 0.02f, 0.4f);
    for (const auto& face : mesh.faces) {
        if (!validFace(mesh, face))
            continue;
        glBegin(GL_LINE_LOOP);
        for (int index : face)
            glVertex3dv(mesh.points[std::size_t(index)].data());
        glEnd();
    }
}

} // namespace

void drawGrid(const MMatrix& view) {
    loadModelView(view);
    const double e = kGridHalfExtent;
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    for (int i = -kGridHalfExtent; i <= kGridHalfExtent; ++i) {
        if (i == 0)
            glColor3f(0.1f, 0.1f, 0.1f);
        else
            glColor3f(0.5f, 0.5f, 0.5f);
        glVertex3d(i, 0, -e);
        glVertex3d(i, 0, e);
        glVertex3d(-e, 0, i);
        glVertex3d(e, 0, i);
    }
    glEnd();
}

void drawMeshes(const std::vector<MeshToDraw>& meshes, const MMatrix& view, bool shaded) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    if (shaded) {
        headlight();
        // Locator lines lying on a face would fight it for depth: push the faces back a little.
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1.0f, 1.0f);
    }
    for (const MeshToDraw& mesh : meshes) {
        loadModelView(mesh.world * view);
        if (shaded)
            drawShaded(mesh);
        else
            drawWire(mesh);
    }
    glPopAttrib();
}

} // namespace hostkit::detail
