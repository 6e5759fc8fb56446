#include "viewport_impl.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <deque>

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

bool validLoop(const MeshToDraw& mesh, const std::vector<int>& loop) {
    for (int index : loop)
        if (index < 0 || std::size_t(index) >= mesh.points.size())
            return false;
    return loop.size() >= 3;
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

// A vertex handed to the tessellator: position and shading normal.
struct TessVertex {
    double position[3];
    const double* normal;
};

void tessVertex(void* data) {
    const auto* v = static_cast<const TessVertex*>(data);
    if (v->normal)
        glNormal3dv(v->normal);
    glVertex3dv(v->position);
}

// Faces with holes, and polygons of more than four corners (which may be concave), are cut
// into triangles; smaller faces are drawn as they are.
class FaceTessellator {
public:
    FaceTessellator() : tess_(gluNewTess()) {
        using Callback = void (*)();
        gluTessCallback(tess_, GLU_TESS_BEGIN, reinterpret_cast<Callback>(glBegin));
        gluTessCallback(tess_, GLU_TESS_VERTEX, reinterpret_cast<Callback>(tessVertex));
        gluTessCallback(tess_, GLU_TESS_END, reinterpret_cast<Callback>(glEnd));
        gluTessCallback(tess_, GLU_TESS_COMBINE_DATA, reinterpret_cast<Callback>(combine));
    }
    ~FaceTessellator() { gluDeleteTess(tess_); }
    FaceTessellator(const FaceTessellator&) = delete;
    FaceTessellator& operator=(const FaceTessellator&) = delete;

    // loops[0] is the face; the others its holes. normals: one per vertex of the face loop,
    // or null for the face's own normal.
    void draw(const MeshToDraw& mesh, const std::vector<const std::vector<int>*>& loops,
              const std::array<double, 3>* normals, const std::array<double, 3>& faceNormal) {
        vertices_.clear();
        combined_.clear();
        gluTessNormal(tess_, faceNormal[0], faceNormal[1], faceNormal[2]);
        gluTessBeginPolygon(tess_, &combined_);
        for (std::size_t l = 0; l < loops.size(); ++l) {
            gluTessBeginContour(tess_);
            for (std::size_t k = 0; k < loops[l]->size(); ++k) {
                const auto& p = mesh.points[std::size_t((*loops[l])[k])];
                const double* n = l == 0 && normals ? normals[k].data() : faceNormal.data();
                vertices_.push_back({{p[0], p[1], p[2]}, n});
                gluTessVertex(tess_, vertices_.back().position, &vertices_.back());
            }
            gluTessEndContour(tess_);
        }
        gluTessEndPolygon(tess_);
    }

private:
    // Where outlines cross: a new vertex taking the first neighbour's normal.
    static void combine(double position[3], void* neighbours[4], float[4], void** out, void* data) {
        auto* store = static_cast<std::deque<TessVertex>*>(data);
        const auto* first = static_cast<const TessVertex*>(neighbours[0]);
        store->push_back(
            {{position[0], position[1], position[2]}, first ? first->normal : nullptr});
        *out = &store->back();
    }

    GLUtesselator* tess_;
    std::deque<TessVertex> vertices_, combined_; // stable addresses while a face is drawn
};

void drawShaded(const MeshToDraw& mesh) {
    glColor3f(0.62f, 0.62f, 0.62f);
    std::vector<std::vector<const std::vector<int>*>> holes(mesh.faces.size());
    for (const auto& [face, loop] : mesh.holes)
        if (face >= 0 && std::size_t(face) < holes.size() && validLoop(mesh, loop))
            holes[std::size_t(face)].push_back(&loop);
    std::size_t corners = 0;
    for (const auto& face : mesh.faces)
        corners += face.size();
    const bool smooth = mesh.normals.size() == corners;
    FaceTessellator tessellator;
    std::size_t corner = 0;
    for (std::size_t f = 0; f < mesh.faces.size(); corner += mesh.faces[f].size(), ++f) {
        const auto& face = mesh.faces[f];
        if (!validLoop(mesh, face))
            continue;
        const auto n = faceNormal(mesh, face);
        const std::array<double, 3>* normals = smooth ? &mesh.normals[corner] : nullptr;
        if (face.size() > 4 || !holes[f].empty()) {
            std::vector<const std::vector<int>*> loops{&face};
            loops.insert(loops.end(), holes[f].begin(), holes[f].end());
            tessellator.draw(mesh, loops, normals, n);
            continue;
        }
        glNormal3d(n[0], n[1], n[2]);
        glBegin(GL_POLYGON);
        for (std::size_t k = 0; k < face.size(); ++k) {
            if (normals)
                glNormal3dv(normals[k].data());
            glVertex3dv(mesh.points[std::size_t(face[k])].data());
        }
        glEnd();
    }
}

void drawLoop(const MeshToDraw& mesh, const std::vector<int>& loop) {
    if (!validLoop(mesh, loop))
        return;
    glBegin(GL_LINE_LOOP);
    for (int index : loop)
        glVertex3dv(mesh.points[std::size_t(index)].data());
    glEnd();
}

void drawWire(const MeshToDraw& mesh) {
    glColor3f(0.0f, 0.02f, 0.4f);
    for (const auto& face : mesh.faces)
        drawLoop(mesh, face);
    for (const auto& hole : mesh.holes)
        drawLoop(mesh, hole.second);
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
        // A mirrored placement turns the faces' winding round: their front stays their front.
        glFrontFace(mesh.world.det3x3() < 0.0 ? GL_CW : GL_CCW);
        loadModelView(mesh.world * view);
        if (shaded)
            drawShaded(mesh);
        else
            drawWire(mesh);
    }
    glPopAttrib();
}

} // namespace hostkit::detail
