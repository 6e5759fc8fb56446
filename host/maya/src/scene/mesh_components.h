#pragma once
// A mesh as Maya stores it in scene files: vertices (".vt"), edges with their smoothing
// (".ed": two vertex ids and 1 for a soft edge), faces as loops of signed edge ids (".fc",
// "polyFaces": "f N e..." with "h N e..." holes and "mu SET N uv..." / "mc SET N colour..."
// ids per loop), the points of its UV sets (".uvst[N].uvsp") and user normals (".n").
// Plain values only; the mesh node gathers them from its attributes.
#include "scene/mesh_geometry.h"

#include <map>
#include <string>
#include <vector>

namespace scene {

struct PolyFace {
    using Loops = std::vector<std::vector<int>>; // the face's loop, then one per hole
    std::vector<int> edges;                      // edge e walked forwards, or ~e (-e-1) backwards
    Loops holes;
    std::map<int, Loops> uvs;     // per UV set: ids per loop
    std::map<int, Loops> colours; // per colour set: ids per loop
};

// Reads one face ("f" and what follows it, up to the next "f" or the end). Empty text on success.
std::string parsePolyFace(const std::vector<std::string>& words, size_t& next, PolyFace& face);
std::string formatPolyFace(const PolyFace& face);

struct MeshComponents {
    struct EdgeEntry {
        int from = 0, to = 0;
        bool smooth = false;
    };
    std::vector<Vec3> vertices;
    std::vector<EdgeEntry> edges;
    std::vector<PolyFace> faces;
    int uvSet = 0; // the set whose ids (and points below) the mesh uses
    std::vector<float> us, vs;
    std::vector<Vec3> normals; // per face-vertex, face after face; may be empty
};

// Resolves edge loops into vertex loops. Empty text on success; otherwise what is wrong (a loop
// whose edges do not join up, an id out of range ...).
std::string buildMesh(const MeshComponents& components, MeshGeometry& mesh);

} // namespace scene
