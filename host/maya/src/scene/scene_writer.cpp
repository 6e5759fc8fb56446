#include "scene/scene_file.h"

#include "core/internal.h"
#include "core/node.h"
#include "scene/attribute_text.h"
#include "scene/dag.h"
#include "scene/dag_names.h"
#include "scene/default_cameras.h"
#include "scene/mel_values.h"
#include "scene/placeholder_nodes.h"
#include "scene/units.h"

#include <replace_file.h>

#include <maya/MFnAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MTime.h>

// The host reads plug-ins' identities; it is not a plug-in itself.
#define MNoPluginEntry
#define MNoVersionString
#include <maya/MFnPlugin.h>

#include <set>

namespace scene {

namespace {

std::string nameOf(const MObject& node) {
    return MFnDependencyNode(node).name().asChar();
}

// Nodes every scene has are not created by the file, only selected for their values.
bool isDefaultNode(const MObject& node) {
    return nameOf(node) == "time1" && node.hasFn(MFn::kTime);
}

// The type a node is created as: a placeholder's is the one its file named.
std::string typeOf(const MObject& node) {
    const std::string fileType = placeholderType(node);
    return fileType.empty() ? MFnDependencyNode(node).typeName().asChar() : fileType;
}

class Writer {
public:
    std::string text;

    void header(const std::string& fileName) {
        text += "//Maya ASCII 2019 scene\n//Name: " + fileName + "\nrequires maya \"2019\";\n";
        std::set<std::string> plugins;
        for (const MObject& node : mcore::allNodes()) {
            mcore::Node* n = mcore::nodeOf(node);
            if (!n || n->type->plugin.isNull())
                continue;
            MFnPlugin plugin(n->type->plugin);
            std::string name = plugin.name().asChar();
            if (plugins.insert(name).second)
                text += "requires " + quoteMel(name) + " " + quoteMel(plugin.version().asChar()) +
                        ";\n";
        }
        text += "currentUnit -l " + uiUnits().linear + " -a " + uiUnits().angle + " -t " +
                timeUnitName(MTime::uiUnit()) + ";\n";
    }

    // DAG nodes parents first, then the other nodes, each in creation order.
    void nodes() {
        for (const MObject& top : worldChildren())
            dagNode(top);
        for (const MObject& node : mcore::allNodes())
            if (!isDagNode(node))
                node_(node);
    }

    void connections() {
        for (const auto& [src, dst] : mcore::allConnections())
            text += "connectAttr " + quoteMel(src.name().asChar()) + " " +
                    quoteMel(dst.name().asChar()) + ";\n";
        text += placeholderLinksText();
    }

private:
    void dagNode(const MObject& node) {
        node_(node);
        for (const MObject& child : dagChildren(node))
            dagNode(child);
    }

    void node_(const MObject& node) {
        MFnDependencyNode fn(node);
        if (isDefaultNode(node)) {
            text += "select -ne :" + nameOf(node) + ";\n";
        } else {
            // The default cameras exist already: -s updates them.
            text += "createNode " + typeOf(node) + (isDefaultCamera(node) ? " -s" : "") + " -n " +
                    quoteMel(nameOf(node));
            MObject parent = dagParent(node);
            if (!parent.isNull())
                text += " -p " + quoteMel(uniqueNameOf(parent));
            text += ";\n";
        }
        std::string flags;
        for (unsigned int i = 0; i < fn.attributeCount(); ++i) {
            MObject attribute = fn.attribute(i);
            if (mcore::isDynamicAttribute(node, attribute) &&
                MFnAttribute(attribute).parent().isNull() && addAttrFlags(attribute, flags)) {
                MFnAttribute a(attribute);
                text += "\taddAttr -ci true -sn " + quoteMel(a.shortName().asChar()) + " -ln " +
                        quoteMel(a.name().asChar()) + " " + flags + ";\n";
            }
        }
        for (unsigned int i = 0; i < fn.attributeCount(); ++i) {
            MObject attribute = fn.attribute(i);
            if (MFnAttribute(attribute).parent().isNull())
                plug(node, MPlug(node, attribute), false);
        }
    }

    // Inside an array element every value is written, so the element itself is recreated.
    void plug(const MObject& node, const MPlug& p, bool inElement) {
        MFnAttribute a(p.attribute());
        if (!a.isStorable() || !a.isWritable())
            return;
        if (p.isArray() && !p.isElement()) {
            for (unsigned int i = 0; i < p.numElements(); ++i)
                value(node, p.elementByPhysicalIndex(i), true);
            return;
        }
        value(node, p, inElement);
    }

    void value(const MObject& node, const MPlug& p, bool inElement) {
        if (p.isDestination())
            return;
        MObject attribute = p.attribute();
        if (attribute.hasFn(MFn::kCompoundAttribute) && !attribute.hasFn(MFn::kNumericAttribute)) {
            for (unsigned int i = 0; i < p.numChildren(); ++i)
                plug(node, p.child(i), inElement);
            return;
        }
        std::string valueText;
        if ((!inElement && mcore::isDefaultValue(p)) || !plugValueText(p, valueText))
            return;
        std::string name = p.name().asChar();
        name = name.substr(uniqueNameOf(node).size());
        text += "\tsetAttr " + quoteMel(name) + " " + valueText + ";\n";
    }
};

} // namespace

std::string sceneText(const std::string& fileName) {
    Writer writer;
    writer.header(fileName);
    writer.nodes();
    writer.connections();
    return writer.text;
}

MStatus writeSceneFile(const std::string& path, std::string& error) {
    std::string fileName = path.substr(path.find_last_of('/') + 1);
    std::string text = sceneText(fileName);
    std::string reason;
    if (!quillomar::replaceFile(path, text.data(), text.size(), &reason)) {
        error = "cannot write scene file " + path + ": " + reason;
        return MS::kFailure;
    }
    return MS::kSuccess;
}

} // namespace scene
