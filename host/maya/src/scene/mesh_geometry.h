#pragma once
// The polygon mesh a mesh data object holds, and the normals the host derives from it. Plain
// values only, so the mesh function set and the viewport share one definition.
#include <array>
#include <string>
#include <vector>

namespace scene {

using Vec3 = std::array<double, 3>;

struct MeshGeometry {
    std::vector<Vec3> points;
    std::vector<int> faceCounts;   // vertices per face
    std::vector<int> faceConnects; // vertex ids, face after face
    std::vector<float> us, vs;     // the UV set, indexed by UV id
    std::vector<int> uvIds;        // one UV id per face-vertex, or empty when there are no UVs

    // Empty text when the faces and UV ids index only existing vertices and UVs.
    std::string validate() const;
};

// Unit normal per vertex: the sum of the normals of the faces around it, each weighted by the
// face's corner angle at the vertex (angleWeighted) or equally. Vertices on no face, or on
// degenerate faces only, get (0, 0, 0).
std::vector<Vec3> vertexNormals(const MeshGeometry& mesh, bool angleWeighted);

// One normal per face-vertex, face after face; every edge is smooth, so a face-vertex gets the
// angle-weighted normal of its vertex.
std::vector<Vec3> faceVertexNormals(const MeshGeometry& mesh);

// Text form in scene files, each list preceded by its length:
//   points (x y z each), face counts, face connects, u v pairs, face-vertex UV ids.
std::string formatMesh(const MeshGeometry& mesh);
std::string parseMesh(const std::vector<std::string>& words, size_t& next, MeshGeometry& mesh);

} // namespace scene
