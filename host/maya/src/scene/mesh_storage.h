#pragma once
// The attributes in which a Maya mesh shape stores its own geometry, named as Maya names them
// so that scene files set them directly: "vrts"/"vt", "edge"/"ed", "face"/"fc", "uvSet"/"uvst"
// (with "uvSetName"/"uvsn" and "uvSetPoints"/"uvsp"), "currentUVSet"/"cuvs", "normals"/"n" and
// the tweaks "pnts"/"pt" added to whatever geometry the shape ends up with.
#include "scene/mesh_components.h"

#include <maya/MDataBlock.h>
#include <maya/MObject.h>

#include <vector>

namespace scene {

struct MeshStorage {
    MObject vertices, edges, faces, uvSets, uvSetName, uvSetPoints, currentUVSet, normals, tweaks;
    // Render flags every saved mesh carries; the viewport ignores them.
    MObject visibleInReflections, visibleInRefractions;

    // Creates the attributes (once, inside the mesh type's initialize).
    void create();
    // Every attribute, for addAttribute; `geometryInputs` are those the output depends on.
    std::vector<MObject> all() const;
    std::vector<MObject> geometryInputs() const;

    // Reads the stored lists, by logical index (a missing element reads as zero).
    void gather(MDataBlock& block, MeshComponents& components) const;
    // Adds the tweaks to the points they name; tweaks past the last vertex are ignored.
    void applyTweaks(MDataBlock& block, MeshGeometry& mesh) const;
};

const MeshStorage& meshStorage();
// Removes a mesh shape's tweaks (when its geometry moves elsewhere with them applied).
void clearTweaks(const MObject& shape);
MeshStorage& mutableMeshStorage();

} // namespace scene
