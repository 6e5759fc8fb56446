#pragma once
// Node names as Maya resolves them. Dependency nodes have names unique in the scene; DAG nodes
// only among their siblings (and apart from dependency nodes), so "pasted__pCube2" may sit under
// "|group" and under "|group1". A name designates every node it fits: "name" every node of that
// name, "b|name" those whose parent is "b", "|a|b|name" the one with that full path.
#include <maya/MObject.h>

#include <string>
#include <vector>

namespace scene {

// Every node the name designates (a leading ':' is the root namespace).
std::vector<MObject> nodesNamed(const std::string& name);

// The shortest name that designates only this node: its own name when no other node has it,
// else its path from the first ancestor that makes it unique ("b|name"), at most the full path.
std::string uniqueNameOf(const MObject& node);

// Makes the graph use these rules for node names.
void installDagNames();

} // namespace scene
