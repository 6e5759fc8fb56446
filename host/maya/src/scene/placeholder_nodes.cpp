#include "scene/placeholder_nodes.h"

#include "core/internal.h"
#include "scene/builtin_ids.h"
#include "scene/builtin_transform.h"
#include "scene/dag_names.h"
#include "scene/mel_values.h"
#include "scene/node_factory.h"

#include <maya/MFnTypedAttribute.h>

namespace scene {

namespace {

const char* const kSlot = "scene.placeholder";

struct FileType : mcore::NodeExtension {
    std::string name;
};

class Placeholder : public MPxNode {
public:
    static void* creator() { return new Placeholder(); }
    static MStatus initialize() { return MS::kSuccess; }
};

std::vector<PlaceholderLink>& links() {
    static std::vector<PlaceholderLink> list;
    return list;
}

bool carriesMesh(const MPlug& plug) {
    if (plug.isNull())
        return false;
    MObject attribute = plug.attribute();
    return attribute.hasFn(MFn::kTypedAttribute) &&
           MFnTypedAttribute(attribute).attrType() == MFnData::kMesh;
}

void forget(const MObject& node) {
    auto& list = links();
    for (size_t k = list.size(); k-- > 0;)
        if (list[k].source == node || list[k].destination == node)
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(k));
}

} // namespace

void registerPlaceholderTypes() {
    mcore::registerBuiltinNodeType("unknown", MTypeId(kUnknownId), Placeholder::creator,
                                   Placeholder::initialize, MPxNode::kDependNode,
                                   {MFn::kDependencyNode});
    mcore::registerBuiltinNodeType("unknownTransform", MTypeId(kUnknownDagId),
                                   TransformNode::creator, TransformNode::initialize,
                                   MPxNode::kTransformNode,
                                   {MFn::kTransform, MFn::kDagNode, MFn::kDependencyNode});
    mcore::addNodeRemovedCallback(forget);
    mcore::addSceneResetHook([] { links().clear(); });
}

MStatus createPlaceholder(const std::string& fileType, const std::string& name,
                          const MObject& parent, MObject& node, std::string& error) {
    CreatedNode created;
    MStatus status = createNodeOfType(parent.isNull() ? "unknown" : "unknownTransform", name,
                                      parent, created, error);
    if (!status)
        return status;
    auto type = std::make_unique<FileType>();
    type->name = fileType;
    mcore::setNodeExtension(created.node, kSlot, std::move(type));
    node = created.node;
    return MS::kSuccess;
}

bool isPlaceholder(const MObject& node) {
    return mcore::nodeExtension(node, kSlot) != nullptr;
}

std::string placeholderType(const MObject& node) {
    auto* type = static_cast<FileType*>(mcore::nodeExtension(node, kSlot));
    return type ? type->name : std::string();
}

void recordPlaceholderLink(const PlaceholderLink& link) {
    links().push_back(link);
}

std::string placeholderLinksText() {
    std::string text;
    for (const PlaceholderLink& link : links())
        text += "connectAttr " + quoteMel(uniqueNameOf(link.source) + link.sourceAttribute) + " " +
                quoteMel(uniqueNameOf(link.destination) + link.destinationAttribute) + ";\n";
    return text;
}

std::string unknownMeshHistory(const MObject& shape) {
    std::vector<MObject> pending{shape};
    std::vector<MObject> seen;
    while (!pending.empty()) {
        const MObject node = pending.back();
        pending.pop_back();
        bool visited = false;
        for (const MObject& s : seen)
            visited = visited || s == node;
        if (visited)
            continue;
        seen.push_back(node);
        for (const PlaceholderLink& link : links())
            if (link.destination == node && carriesMesh(link.destinationPlug))
                return placeholderType(link.source);
        for (const auto& [source, destination] : mcore::allConnections())
            if (destination.node() == node && carriesMesh(destination))
                pending.push_back(source.node());
    }
    return "";
}

} // namespace scene
