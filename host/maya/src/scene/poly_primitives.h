#pragma once
// The meshes Maya's poly creation nodes make, as plain geometry: vertices, faces and edge
// smoothing in Maya's order as far as it is known (cube and cylinder rings exactly; a ring's
// first vertex lies one step past +X, turning towards -Z), around the Y axis and centred on the
// origin, then turned so that Y points along the node's axis. UVs follow Maya's layouts: the
// cube's cross exactly, the others a grid per side and a disc per cap.
#include "scene/mesh_geometry.h"

namespace scene {

// Subdivisions below a primitive's minimum are raised to it, and above kMaxSubdivisions lowered
// to it, so any value a file holds gives a mesh of bounded size.
constexpr int kMaxSubdivisions = 1000;

struct PolyCubeSize {
    double width = 1, height = 1, depth = 1;
    int widthSteps = 1, heightSteps = 1, depthSteps = 1;
};
struct PolyPlaneSize {
    double width = 1, height = 1;
    int widthSteps = 10, heightSteps = 10;
};
struct PolyRoundSize { // sphere, cylinder, cone, torus
    double radius = 1, height = 2, sectionRadius = 0.5, twistDegrees = 0;
    int axisSteps = 20, heightSteps = 20, capSteps = 0;
};

MeshGeometry polyCube(const PolyCubeSize& size, bool uvs);
MeshGeometry polyPlane(const PolyPlaneSize& size, bool uvs);
MeshGeometry polySphere(const PolyRoundSize& size, bool uvs);
MeshGeometry polyCylinder(const PolyRoundSize& size, bool uvs);
MeshGeometry polyCone(const PolyRoundSize& size, bool uvs);
MeshGeometry polyTorus(const PolyRoundSize& size, bool uvs);

// Turns the mesh (and its user normals) so that +Y points along `axis`; a zero axis leaves it.
void orientToAxis(MeshGeometry& mesh, const Vec3& axis);

} // namespace scene
