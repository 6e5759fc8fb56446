#include <maya/MSelectionList.h>

#include "scene/dag.h"
#include "scene/selection.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>

#include <vector>

namespace {

struct Item {
    MObject node;
    MDagPath path; // set for DAG nodes
    MPlug plug;    // set for attribute items
};

using Items = std::vector<Item>;

Items& itemsOf(void* p) {
    return *static_cast<Items*>(p);
}

MStatus report(MStatus* status, MStatus value) {
    if (status)
        *status = value;
    return value;
}

bool sameItem(const Item& a, const Item& b) {
    return a.node == b.node && a.plug.isNull() == b.plug.isNull() &&
           (a.plug.isNull() || a.plug == b.plug);
}

void addItem(Items& items, const Item& item, bool merge) {
    if (merge)
        for (const Item& existing : items)
            if (sameItem(existing, item))
                return;
    items.push_back(item);
}

Item itemFor(const MObject& node) {
    Item item;
    item.node = node;
    if (scene::isDagNode(node))
        MDagPath::getAPathTo(node, item.path);
    return item;
}

} // namespace

MSelectionList::MSelectionList() : fPtr(new Items()) {}
MSelectionList::MSelectionList(const MSelectionList& src) : fPtr(new Items(itemsOf(src.fPtr))) {}
MSelectionList::~MSelectionList() {
    delete static_cast<Items*>(fPtr);
}
MSelectionList& MSelectionList::operator=(const MSelectionList& other) {
    itemsOf(fPtr) = itemsOf(other.fPtr);
    return *this;
}

MStatus MSelectionList::clear() {
    itemsOf(fPtr).clear();
    return MS::kSuccess;
}

bool MSelectionList::isEmpty(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return itemsOf(fPtr).empty();
}

unsigned int MSelectionList::length(MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    return static_cast<unsigned int>(itemsOf(fPtr).size());
}

// "node", "|path|to|node", wildcards, or "node.attr" for a plug.
MStatus MSelectionList::add(const MString& matchString, bool) {
    std::string text = matchString.asChar();
    size_t dot = text.find('.');
    if (dot != std::string::npos) {
        MStatus status;
        MPlug plug = hostkit::findPlug(text[0] == ':' ? text.substr(1) : text, &status);
        if (!status)
            return MS::kInvalidParameter;
        return add(plug, true);
    }
    std::vector<MObject> nodes = scene::nodesMatching(text);
    if (nodes.empty())
        return MS::kInvalidParameter;
    for (const MObject& node : nodes)
        addItem(itemsOf(fPtr), itemFor(node), true);
    return MS::kSuccess;
}

MStatus MSelectionList::add(const MObject& object, bool mergeWithExisting) {
    if (object.isNull())
        return MS::kInvalidParameter;
    addItem(itemsOf(fPtr), itemFor(object), mergeWithExisting);
    return MS::kSuccess;
}

// Components are not modelled: the path itself is added.
MStatus MSelectionList::add(const MDagPath& object, const MObject&, bool mergeWithExisting) {
    if (!object.isValid())
        return MS::kInvalidParameter;
    Item item;
    item.node = object.node();
    item.path = object;
    addItem(itemsOf(fPtr), item, mergeWithExisting);
    return MS::kSuccess;
}

MStatus MSelectionList::add(const MPlug& plug, bool mergeWithExisting) {
    if (plug.isNull())
        return MS::kInvalidParameter;
    Item item = itemFor(plug.node());
    item.plug = plug;
    addItem(itemsOf(fPtr), item, mergeWithExisting);
    return MS::kSuccess;
}

MStatus MSelectionList::remove(unsigned int index) {
    Items& items = itemsOf(fPtr);
    if (index >= items.size())
        return MS::kInvalidParameter;
    items.erase(items.begin() + index);
    return MS::kSuccess;
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& depNode) const {
    const Items& items = itemsOf(fPtr);
    if (index >= items.size())
        return MS::kInvalidParameter;
    depNode = items[index].node;
    return MS::kSuccess;
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& dagPath) const {
    const Items& items = itemsOf(fPtr);
    if (index >= items.size() || !items[index].path.isValid())
        return MS::kInvalidParameter;
    dagPath = items[index].path;
    return MS::kSuccess;
}

MStatus MSelectionList::getPlug(unsigned int index, MPlug& plug) const {
    const Items& items = itemsOf(fPtr);
    if (index >= items.size() || items[index].plug.isNull())
        return MS::kInvalidParameter;
    plug = items[index].plug;
    return MS::kSuccess;
}

bool MSelectionList::hasItem(const MObject& item, MStatus* ReturnStatus) const {
    report(ReturnStatus, MS::kSuccess);
    for (const Item& i : itemsOf(fPtr))
        if (i.node == item)
            return true;
    return false;
}

bool MSelectionList::hasItem(const MDagPath& item, const MObject&, MStatus* ReturnStatus) const {
    return item.isValid() && hasItem(item.node(), ReturnStatus);
}

MStatus MSelectionList::getSelectionStrings(MStringArray& array) const {
    array.clear();
    for (const Item& i : itemsOf(fPtr))
        array.append(!i.plug.isNull() ? i.plug.name() : MFnDependencyNode(i.node).name());
    return MS::kSuccess;
}
