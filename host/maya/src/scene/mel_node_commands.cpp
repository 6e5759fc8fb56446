// createNode, parent, deformer, makePaintable.
#include "core/internal.h"
#include "scene/builtin_mesh.h"
#include "scene/mesh_storage.h"
#include "scene/builtin_transform.h"
#include "scene/dag.h"
#include "scene/dag_names.h"
#include "scene/mel_commands.h"
#include "scene/node_factory.h"
#include "scene/paintable.h"
#include "scene/placeholder_nodes.h"
#include "scene/selection.h"
#include "scene/transform_math.h"

#include <hostkit/host.h>
#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlugArray.h>
#include <maya/MPxGeometryFilter.h>

namespace scene {

std::vector<PaintableAttribute>& paintableAttributes() {
    static std::vector<PaintableAttribute> list;
    return list;
}

namespace {

// The name commands return and build plug names from: unique even where DAG names repeat.
std::string nameOf(const MObject& node) {
    return uniqueNameOf(node);
}

// -s (shared): a node of that name and type that already exists is reused, as scene files
// use it for nodes every scene has. In a scene file, a type the host does not know gives a
// placeholder and a warning (one kind per type).
MStatus createNode(const MelArgs& args, MelSession& session, MelResult& result,
                   std::string& error) {
    // Until this succeeds, relative names must not reach the node created before.
    session.current = MObject();
    session.missingCurrent.clear();
    if (args.positional().size() != 1) {
        error = "needs exactly one node type";
        return MS::kInvalidParameter;
    }
    const std::string type = args.positional()[0].text;
    std::string name = args.value("name");
    if (!name.empty() && name[0] == ':')
        name.erase(0, 1);
    if (args.has("shared") && !name.empty()) {
        const std::vector<MObject> existing = nodesNamed(name);
        if (existing.size() == 1 && MFnDependencyNode(existing[0]).typeName() == type.c_str()) {
            session.current = existing[0];
            result.strings.push_back(name);
            return MS::kSuccess;
        }
    }
    MObject parent;
    if (args.has("parent")) {
        parent = resolveNode(args.value("parent"), error);
        if (parent.isNull())
            return MS::kInvalidParameter;
    }
    CreatedNode created;
    MStatus status;
    // Maya makes placeholders only for the nodes of a file; a command fails instead.
    if (hostkit::isTypeRegistered(type) || !session.readingFile) {
        status = createNodeOfType(type, name, parent, created, error);
    } else {
        status = createPlaceholder(type, name, parent, created.node, error);
        session.notes.push_back(
            {"warning: unknown node type '" + type +
                 "': its nodes are empty placeholders, so what they compute is missing",
             "warning: createNode: unknown node type '" + type + "' for " + name});
    }
    if (!status)
        return status;
    session.current = created.node;
    if (!session.readingFile && !args.has("skipSelect")) {
        activeSelection().clear();
        activeSelection().add(created.node);
    }
    // A scene file has no use for the name (and working out a unique one costs).
    if (!session.readingFile)
        result.strings.push_back(nameOf(created.node));
    return MS::kSuccess;
}

// Keeps a transform's world placement under its new parent (the default, -a); with -r it keeps
// its own channels instead.
void keepWorldPlacement(const MObject& child, const MMatrix& world, const MObject& newParent) {
    if (!isTransformNode(child))
        return;
    MMatrix local = world * pathMatrix(dagPathTo(newParent)).inverse();
    double t[3], r[3], s[3];
    decomposeTransform(local.matrix, t, r, s);
    const TransformNode::Channels& c = TransformNode::channels();
    for (int i = 0; i < 3; ++i) {
        MPlug(child, c.translate[i]).setValue(t[i]);
        MPlug(child, c.rotate[i]).setValue(r[i]);
        MPlug(child, c.scale[i]).setValue(s[i]);
    }
}

MStatus parent(const MelArgs& args, MelSession&, MelResult& result, std::string& error) {
    if (args.has("addObject") || args.has("shape")) {
        error = "instancing (-add, -shape) is not supported";
        return MS::kNotImplemented;
    }
    std::vector<MelWord> names = args.positional();
    const bool toWorld = args.has("world");
    if (names.size() < (toWorld ? 1u : 2u)) {
        error = toWorld ? "needs the objects to move" : "needs the objects and a parent";
        return MS::kInvalidParameter;
    }
    MObject newParent;
    if (!toWorld) {
        newParent = resolveNode(names.back().text, error);
        names.pop_back();
        if (newParent.isNull())
            return MS::kInvalidParameter;
    }
    for (const MelWord& word : names) {
        MObject child = resolveNode(word.text, error);
        if (child.isNull())
            return MS::kInvalidParameter;
        const MMatrix world = pathMatrix(dagPathTo(child));
        MStatus status = reparent(child, newParent, &error);
        if (!status)
            return status;
        if (!args.has("relative"))
            keepWorldPlacement(child, world, newParent);
        result.strings.push_back(nameOf(child));
    }
    return MS::kSuccess;
}

MStatus makePaintable(const MelArgs& args, MelSession&, MelResult&, std::string& error) {
    if (args.has("clearAll")) {
        paintableAttributes().clear();
        return MS::kSuccess;
    }
    if (args.positional().size() != 2) {
        error = "needs a node type and an attribute name";
        return MS::kInvalidParameter;
    }
    PaintableAttribute entry{args.positional()[0].text, args.positional()[1].text,
                             args.value("attrType", "multiFloat"), args.value("shapeMode")};
    auto& list = paintableAttributes();
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->nodeType == entry.nodeType && it->attribute == entry.attribute) {
            list.erase(it);
            break;
        }
    if (!args.has("remove"))
        list.push_back(entry);
    return MS::kSuccess;
}

// The mesh shape a name stands for: the shape itself or the one shape under a transform.
MObject meshShapeOf(const std::string& name, std::string& error) {
    MObject node = resolveNode(name, error);
    MDagPath path;
    if (node.isNull() || !MDagPath::getAPathTo(node, path) || !path.extendToShape() ||
        !path.hasFn(MFn::kMesh)) {
        if (error.empty())
            error = "'" + name + "' is not a mesh";
        return MObject();
    }
    return path.node();
}

MStatus connect(const std::string& src, const std::string& dst, std::string& error) {
    return hostkit::connectAttr(src, dst, false, &error);
}

// Feeds the deformer with what fed the shape (its history) or with a new intermediate
// "<shape>Orig" holding the shape's own mesh, and the shape with the deformer's output.
MStatus wireDeformer(const std::string& deformer, unsigned int index, const MObject& shape,
                     std::string& error) {
    const std::string shapeName = nameOf(shape);
    const std::string input = deformer + ".input[" + std::to_string(index) + "].inputGeometry";
    const std::string output = deformer + ".outputGeometry[" + std::to_string(index) + "]";
    MPlug inMesh(shape, MeshShape::inMesh);
    MPlugArray sources;
    inMesh.connectedTo(sources, true, false);
    MStatus status;
    if (sources.length() > 0) {
        const std::string source = sources[0].name().asChar();
        status = hostkit::disconnectAttr(source, shapeName + ".inMesh", &error);
        if (status)
            status = connect(source, input, error);
    } else {
        CreatedNode orig;
        status = createNodeOfType("mesh", shapeName + "Orig", dagParent(shape), orig, error);
        if (!status)
            return status;
        // The shape's own geometry, tweaks included: they move to the original with it.
        MObject data = mcore::cloneData(MPlug(shape, MeshShape::outMesh).asMObject());
        MPlug(orig.node, MeshShape::inMesh).setValue(data);
        clearTweaks(shape);
        MFnDependencyNode(orig.node).findPlug("intermediateObject", true).setValue(true);
        status = connect(nameOf(orig.node) + ".worldMesh[0]", input, error);
    }
    if (status)
        status = connect(output, shapeName + ".inMesh", error);
    return status;
}

MStatus deformer(const MelArgs& args, MelSession&, MelResult& result, std::string& error) {
    if (!args.has("type") || args.positional().empty()) {
        error = "needs -type and the meshes to deform";
        return MS::kInvalidParameter;
    }
    std::vector<MObject> shapes;
    for (const MelWord& word : args.positional()) {
        shapes.push_back(meshShapeOf(word.text, error));
        if (shapes.back().isNull())
            return MS::kInvalidParameter;
    }
    MStatus status;
    MObject node = hostkit::createNode(args.value("type"), args.value("name"), &status);
    if (!status) {
        error = "cannot create a node of type " + args.value("type");
        return status;
    }
    if (!dynamic_cast<MPxGeometryFilter*>(MFnDependencyNode(node).userNode())) {
        hostkit::deleteNode(node);
        error = "'" + args.value("type") + "' is not a deformer type";
        return MS::kInvalidParameter;
    }
    const std::string name = nameOf(node);
    for (unsigned int i = 0; i < shapes.size(); ++i) {
        status = wireDeformer(name, i, shapes[i], error);
        if (!status)
            return status;
    }
    result.strings.push_back(name);
    return MS::kSuccess;
}

} // namespace

const std::vector<MelCommandDef>& nodeCommands() {
    static const std::vector<MelCommandDef> table = {
        {"createNode",
         {{"n", "name", 1}, {"p", "parent", 1}, {"s", "shared", 0}, {"ss", "skipSelect", 0}},
         createNode},
        {"parent",
         {{"w", "world", 0},
          {"r", "relative", 0},
          {"a", "absolute", 0},
          {"add", "addObject", 0},
          {"s", "shape", 0},
          {"nc", "noConnections", 0}},
         parent},
        {"makePaintable",
         {{"at", "attrType", 1},
          {"sm", "shapeMode", 1},
          {"ac", "activate", 1},
          {"ca", "clearAll", 0},
          {"rm", "remove", 0},
          {"ui", "uiName", 1}},
         makePaintable},
        {"deformer", {{"typ", "type", 1}, {"n", "name", 1}}, deformer},
    };
    return table;
}

} // namespace scene
