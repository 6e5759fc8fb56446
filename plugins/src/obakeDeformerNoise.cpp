// obakeDeformer: the texture on noiseMap sampled at the mesh's vertices.
#include "obakeDeformer.h"

#include <maya/MFloatArray.h>
#include <maya/MFloatMatrix.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnMesh.h>
#include <maya/MIntArray.h>
#include <maya/MPlugArray.h>
#include <maya/MRenderUtil.h>

#include <vector>

namespace {

// The UV of each vertex's first face-vertex, (0, 0) for a vertex without one.
void uvsPerVertex(const MFnMesh& mesh, const MString& uvSet, unsigned int count, MFloatArray& u,
                  MFloatArray& v) {
    MFloatArray allU, allV;
    MIntArray faceCounts, faceVertices, uvCounts, uvIds;
    mesh.getUVs(allU, allV, &uvSet);
    mesh.getVertices(faceCounts, faceVertices);
    mesh.getAssignedUVs(uvCounts, uvIds, &uvSet);
    u = MFloatArray(count, 0.0f);
    v = MFloatArray(count, 0.0f);
    std::vector<bool> found(count, false);
    // Faces without UVs have no entries in uvIds: walk faces to keep the two lists in step.
    unsigned int faceVertex = 0, uvEntry = 0;
    for (unsigned int face = 0; face < faceCounts.length(); ++face) {
        const unsigned int corners = static_cast<unsigned int>(faceCounts[face]);
        const bool hasUVs = face < uvCounts.length() && uvCounts[face] == faceCounts[face];
        for (unsigned int corner = 0; corner < corners; ++corner, ++faceVertex) {
            const int vertex = faceVertex < faceVertices.length() ? faceVertices[faceVertex] : -1;
            const int uvId =
                hasUVs && uvEntry + corner < uvIds.length() ? uvIds[uvEntry + corner] : -1;
            if (vertex < 0 || static_cast<unsigned int>(vertex) >= count || found[vertex] ||
                uvId < 0 || static_cast<unsigned int>(uvId) >= allU.length() ||
                static_cast<unsigned int>(uvId) >= allV.length())
                continue;
            found[vertex] = true;
            u[vertex] = allU[uvId];
            v[vertex] = allV[uvId];
        }
        if (face < uvCounts.length() && uvCounts[face] > 0)
            uvEntry += static_cast<unsigned int>(uvCounts[face]);
    }
}

} // namespace

// The UV and normal lists go to the sampler as the mesh returns them, entry i beside vertex i.
// When a list has fewer entries than the mesh has vertices, each vertex gets its own UV and its
// own normal instead, so that no entry is read past the end of a list.
MFloatVectorArray ObakeDeformer::sampleNoiseColors(const MPlug& noiseMap,
                                                   const MObject& mesh) const {
    const MFnMesh fn(mesh);
    const int vertices = fn.numVertices();
    MFloatVectorArray colours(vertices > 0 ? static_cast<unsigned int>(vertices) : 0u,
                              MFloatVector(1.0f, 1.0f, 1.0f));
    MPlugArray sources;
    noiseMap.connectedTo(sources, true, false);
    if (sources.length() == 0)
        return colours;

    MFloatPointArray positions;
    fn.getPoints(positions, MSpace::kObject);
    const unsigned int count = positions.length();
    const MString uvSet = fn.currentUVSetName();
    MFloatArray u, v;
    fn.getUVs(u, v, &uvSet);
    if (u.length() < count || v.length() < count)
        uvsPerVertex(fn, uvSet, count, u, v);
    MFloatVectorArray normals;
    fn.getNormals(normals, MSpace::kWorld);
    if (normals.length() < count)
        fn.getVertexNormals(true, normals, MSpace::kWorld);
    MFloatMatrix camera;
    camera.setToIdentity();

    MFloatVectorArray sampled, transparencies;
    const MStatus status = MRenderUtil::sampleShadingNetwork(
        sources[0].name(), static_cast<int>(count), false, false, camera, &positions, &u, &v,
        &normals, nullptr, nullptr, nullptr, nullptr, sampled, transparencies);
    if (status && sampled.length() == colours.length())
        colours = sampled;
    return colours;
}
