#pragma once
// Nodes of types the host does not know, as a scene file names them: kept as placeholders of
// type "unknown" (or "unknownTransform" when created under a parent, so the DAG keeps its
// shape), remembering the type the file named. A placeholder takes the values the file sets on
// attributes it has (a transform's channels) and quietly drops the others; connections to
// attributes it lacks are recorded, not made, so nothing downstream reads a value the host
// cannot compute: a mesh fed through one is not drawn, and a transform driven by one keeps the
// values the file stored.
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>

#include <string>
#include <vector>

namespace scene {

void registerPlaceholderTypes();

MStatus createPlaceholder(const std::string& fileType, const std::string& name,
                          const MObject& parent, MObject& node, std::string& error);
bool isPlaceholder(const MObject& node);
// The type the scene file named for it (empty for other nodes).
std::string placeholderType(const MObject& node);

// A connection the file makes to or from an attribute a placeholder lacks. The plugs are null
// on the placeholder's side; the attributes are as the file named them (".out", ".ip").
struct PlaceholderLink {
    MObject source, destination;
    MPlug sourcePlug, destinationPlug;
    std::string sourceAttribute, destinationAttribute;
};
void recordPlaceholderLink(const PlaceholderLink& link);
// The recorded connections, oldest first, as connectAttr lines for a scene file.
std::string placeholderLinksText();

// The type of the first placeholder upstream of a mesh along the connections that carry
// meshes, e.g. "polyExtrudeFace": the mesh's history runs through a node the host cannot
// evaluate. Empty when there is none.
std::string unknownMeshHistory(const MObject& shape);

} // namespace scene
