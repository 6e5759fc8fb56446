#pragma once
// The DAG: parents and children of DAG nodes (kept in each node's "scene" extension slot) and
// the matrices along paths. Every DAG node has at most one parent (no instancing); a node
// without one lies directly under the world.
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <string>
#include <vector>

namespace scene {

bool isDagNode(const MObject& node);
bool isTransformNode(const MObject& node);
// A DAG node that is not a transform (camera, mesh, curve, locator).
bool isShapeNode(const MObject& node);

MObject dagParent(const MObject& node);
std::vector<MObject> dagChildren(const MObject& node);
// DAG nodes directly under the world, in creation order.
std::vector<MObject> worldChildren();
// Root first, the node last; empty for a node that is not in the DAG.
std::vector<MObject> dagPathTo(const MObject& node);

// Moves `child` under `parent` (null: under the world), last among its siblings. Fails for
// non-DAG nodes, a shape as parent, or a parent that lies below the child.
MStatus reparent(const MObject& child, const MObject& parent, std::string* error = nullptr);

// The node's own matrix: the composed channels of a transform, identity for a shape.
MMatrix localMatrix(const MObject& node);
// Product of the local matrices along a path, the last node first (row vectors).
MMatrix pathMatrix(const std::vector<MObject>& path);

std::string fullPathName(const std::vector<MObject>& path);

// Installs the DAG's node callbacks and world-matrix evaluators once.
void installDag();

} // namespace scene
