#pragma once
// The polygon mesh a mesh data object holds, and the normals the host derives from it. Plain
// values only, so the mesh function set and the viewport share one definition.
#include <array>
#include <string>
#include <vector>

namespace scene {

using Vec3 = std::array<double, 3>;
using Edge = std::array<int, 2>; // two vertex ids, the smaller first

// A user normal component this large marks a face-vertex whose normal is derived, as Maya
// writes unlocked normals in a scene's normal list.
constexpr double kUnsetNormal = 1e19;

struct MeshGeometry {
    // A hole cut into a face: its own loop of vertex ids.
    struct Hole {
        int face = 0;
        std::vector<int> vertices;
    };

    std::vector<Vec3> points;
    std::vector<int> faceCounts;   // vertices per face
    std::vector<int> faceConnects; // vertex ids, face after face
    std::vector<float> us, vs;     // the UV set, indexed by UV id
    std::vector<int> uvIds;        // one UV id per face-vertex, or empty when there are no UVs
    // Edges shaded smooth; every other edge is hard (a mesh made from bare lists is faceted,
    // as Maya makes one through MFnMesh::create).
    std::vector<Edge> softEdges;
    // User normals, one per face-vertex, or empty; entries at kUnsetNormal are derived.
    std::vector<Vec3> normals;
    std::vector<Hole> holes;

    // Empty text when the faces, holes, UV ids, edges and normals fit the vertex list.
    std::string validate() const;
};

Edge makeEdge(int a, int b);

// Unit normal per vertex: the sum of the normals of the faces around it, each weighted by the
// face's corner angle at the vertex (angleWeighted) or equally. Vertices on no face, or on
// degenerate faces only, get (0, 0, 0).
std::vector<Vec3> vertexNormals(const MeshGeometry& mesh, bool angleWeighted);

// One normal per face-vertex, face after face: the user normal where one is set, else the
// angle-weighted sum of the normals of the faces around the vertex that meet it across soft
// edges (a vertex whose edges are all hard gets its face's normal).
std::vector<Vec3> faceVertexNormals(const MeshGeometry& mesh);

// Unit normal of face `face` starting at face-vertex `first` (Newell's method, so non-planar and
// concave faces work); (0, 0, 0) for a degenerate face.
Vec3 faceNormal(const MeshGeometry& mesh, size_t first, int count);

// Text form in scene files, each list preceded by its length:
//   points (x y z each), face counts, face connects, u v pairs, face-vertex UV ids, and
//   optionally the soft edges (two vertex ids each).
std::string formatMesh(const MeshGeometry& mesh);
std::string parseMesh(const std::vector<std::string>& words, size_t& next, MeshGeometry& mesh);

} // namespace scene
