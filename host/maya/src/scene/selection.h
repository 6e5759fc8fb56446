#pragma once
// The active selection list and the display status it gives DAG nodes: the last item selected
// is the lead, the others are active, everything else is dormant. Selecting a transform
// selects the shapes below it for display.
#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MSelectionList.h>

#include <string>
#include <vector>

namespace scene {

MSelectionList& activeSelection();

M3dView::DisplayStatus displayStatusOf(const MDagPath& path);

// Removes every item of `list` that is `node`.
void removeNode(MSelectionList& list, const MObject& node);

// Nodes whose name, or DAG path ending, matches a pattern: "name", "|a|b", ":name" (root
// namespace) and '*' / '?' wildcards.
std::vector<MObject> nodesMatching(const std::string& pattern);

} // namespace scene
