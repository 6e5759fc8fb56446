#include "scene/selection.h"

#include "core/internal.h"
#include "scene/dag.h"
#include "scene/dag_names.h"

#include <maya/MFnDependencyNode.h>

#include <fnmatch.h>

namespace scene {

MSelectionList& activeSelection() {
    static MSelectionList list;
    return list;
}

M3dView::DisplayStatus displayStatusOf(const MDagPath& path) {
    const MSelectionList& list = activeSelection();
    const unsigned int count = list.length();
    const std::vector<MObject> nodes = dagPathTo(path.node());
    M3dView::DisplayStatus status = M3dView::kDormant;
    for (unsigned int i = 0; i < count; ++i) {
        MObject item;
        list.getDependNode(i, item);
        for (const MObject& node : nodes)
            if (item == node)
                status = i + 1 == count ? M3dView::kLead : M3dView::kActive;
    }
    return status;
}

void removeNode(MSelectionList& list, const MObject& node) {
    for (unsigned int k = list.length(); k-- > 0;) {
        MObject item;
        list.getDependNode(k, item);
        if (item == node)
            list.remove(k);
    }
}

namespace {

bool matches(const std::string& pattern, const std::string& text) {
    return fnmatch(pattern.c_str(), text.c_str(), 0) == 0;
}

} // namespace

std::vector<MObject> nodesMatching(const std::string& pattern) {
    if (pattern.find_first_of("*?[") == std::string::npos)
        return nodesNamed(pattern);
    std::string p = pattern;
    if (!p.empty() && p[0] == ':')
        p.erase(0, 1);
    std::vector<MObject> out;
    for (const MObject& node : mcore::allNodes()) {
        std::string name = MFnDependencyNode(node).name().asChar();
        bool hit = matches(p, name);
        if (!hit && p.find('|') != std::string::npos && isDagNode(node)) {
            std::string full = fullPathName(dagPathTo(node));
            hit = p[0] == '|' ? matches(p, full) : matches("*|" + p, full);
        }
        if (hit)
            out.push_back(node);
    }
    return out;
}

} // namespace scene
