#include "graph.h"

#include "data_block_access.h"
#include "px_node_access.h"

#include <maya/MDataBlock.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>
#include <maya/MPxNode.h>

#include <algorithm>
#include <cctype>
#include <iostream>

namespace mcore {

Graph& Graph::instance() {
    // Never destroyed: nodes may hold plug-in objects whose code is gone at exit.
    static Graph* graph = new Graph();
    return *graph;
}

MPlug plugFor(const PlugPath& path) {
    return MPlugAccess::make(path);
}

// ---- nodes -------------------------------------------------------------------------------------

std::string Graph::uniqueName(const std::string& wanted, const Node* self) const {
    const MObject selfObject = self ? MObjectAccess::make(const_cast<Node*>(self)) : MObject();
    auto taken = [this, self, &selfObject](const std::string& name) {
        for (Node* other : nodesNamed(name))
            if (other != self && (!self || !namePolicy.clashes ||
                                  namePolicy.clashes(selfObject, MObjectAccess::make(other))))
                return true;
        return false;
    };
    if (!wanted.empty() && !taken(wanted))
        return wanted;
    std::string stem = wanted;
    while (!stem.empty() && std::isdigit(static_cast<unsigned char>(stem.back())))
        stem.pop_back();
    for (unsigned long n = 1;; ++n) {
        std::string candidate = stem + std::to_string(n);
        if (!taken(candidate))
            return candidate;
    }
}

Node* Graph::findNode(const std::string& name) const {
    if (namePolicy.resolve) {
        const std::vector<MObject> matches = namePolicy.resolve(name);
        return matches.size() == 1 ? nodeOf(matches.front()) : nullptr;
    }
    const std::vector<Node*>& named = nodesNamed(name);
    return named.size() == 1 ? named.front() : nullptr;
}

const std::vector<Node*>& Graph::nodesNamed(const std::string& name) const {
    static const std::vector<Node*> none;
    auto it = byName_.find(name);
    return it == byName_.end() ? none : it->second;
}

void Graph::rename(Node* node, const std::string& name) {
    if (node->alive) {
        auto& old = byName_[node->name];
        old.erase(std::remove(old.begin(), old.end(), node), old.end());
        if (old.empty())
            byName_.erase(node->name);
        byName_[name].push_back(node);
    }
    node->name = name;
}

MObject Graph::createNode(const std::shared_ptr<NodeType>& type, const std::string& wantedName,
                          MStatus* status) {
    void* created = type->creator ? type->creator() : nullptr;
    if (!created) {
        if (status)
            *status = MS::kFailure;
        return MObject();
    }
    auto* user = static_cast<MPxNode*>(created);
    // Unnamed nodes are numbered from 1 ("sign1"), as Maya names them.
    const std::string name =
        uniqueName(wantedName.empty() ? type->name + "1" : wantedName, nullptr);
    auto* node = new Node(type, name, user);
    MObject object = MObjectAccess::make(node);
    MPxNodeAccess::bind(*user, node);
    for (const MObject& attr : type->attributes)
        node->createValue(attributeOf(attr));
    // Every computed attribute starts out of date.
    for (const auto& entry : type->affects)
        for (const Attribute* out : entry.second)
            node->dirty.markDirty(out);
    nodes_.push_back(object);
    byName_[name].push_back(node);
    user->postConstructor();
    for (const NodeCallback& callback : addedCallbacks)
        callback(object);
    if (status)
        *status = MS::kSuccess;
    return object;
}

MStatus Graph::deleteNode(const MObject& object) {
    Node* node = nodeOf(object);
    if (!node || !node->alive)
        return MS::kInvalidParameter;
    for (const NodeCallback& callback : removedCallbacks)
        callback(object);
    const auto connected = [&] {
        return !connectionsInto(node).empty() || !connectionsOutOf(node).empty();
    };
    // From the newest connection back, and only until the node has none left: a scene emptied
    // from its newest node back takes time linear in its size.
    for (std::size_t k = connections_.size(); k-- > 0 && connected();) {
        // Breaking one connection may remove others (elements deleted on disconnect).
        if (k >= connections_.size())
            continue;
        const Connection& c = connections_[k];
        if (c.source.node == object || c.destination.node == object)
            breakConnection(k, false);
    }
    into_.erase(node);
    outOf_.erase(node);
    if (const auto at = std::find(nodes_.rbegin(), nodes_.rend(), object); at != nodes_.rend())
        nodes_.erase(std::next(at).base());
    auto& named = byName_[node->name];
    named.erase(std::remove(named.begin(), named.end(), node), named.end());
    if (named.empty())
        byName_.erase(node->name);
    node->alive = false;
    node->extensions.clear();
    node->destroyUser();
    node->values.clear();
    return MS::kSuccess;
}

void Graph::deleteAllNodes() {
    while (!nodes_.empty()) {
        MObject last = nodes_.back();
        deleteNode(last);
    }
    depthReported_ = false;
}

// ---- values ------------------------------------------------------------------------------------

Value* Graph::resolve(const PlugPath& raw, bool create) {
    const PlugPath path = normalized(raw);
    Node* node = path.nodePtr();
    const Attribute* attr = path.attrPtr();
    if (!node || !node->alive || !attr || !node->hasAttribute(attr))
        return nullptr;
    const std::vector<const Attribute*> chain = attr->chain();
    Value* value = node->topValue(chain.front());
    std::size_t arrayLevel = 0;
    for (std::size_t depth = 0; depth < chain.size(); ++depth) {
        const Attribute* a = chain[depth];
        if (depth > 0) {
            if (a->childIndex >= value->children.size())
                return nullptr;
            value = value->children[a->childIndex].get();
        }
        if (!a->isArray())
            continue;
        const long long index = path.indices[arrayLevel++];
        if (index < 0)
            return value; // the whole array (only possible at the end of the chain)
        value = value->element(static_cast<unsigned int>(index), create);
        if (!value)
            return nullptr;
    }
    return value;
}

Value* Graph::evaluate(const PlugPath& raw, bool create) {
    const PlugPath path = normalized(raw);
    Node* node = path.nodePtr();
    const Attribute* attr = path.attrPtr();
    if (!node || !node->alive || !attr)
        return nullptr;
    if (evaluationDepth_ >= kMostEvaluationDepth) {
        if (!depthReported_)
            std::cerr << "Evaluation of " << plugName(path, true, true) << " stopped: more than "
                      << kMostEvaluationDepth
                      << " connections and computes deep; its stored value is used\n";
        depthReported_ = true;
        return resolve(path, create);
    }
    if (node->evaluating.insert(attr).second) {
        // Released however the evaluation ends, so a failing compute cannot wedge the plug.
        struct Release {
            Graph& graph;
            Node* node;
            const Attribute* attr;
            ~Release() {
                node->evaluating.erase(attr);
                --graph.evaluationDepth_;
            }
        } release{*this, node, attr};
        ++evaluationDepth_;
        pullConnections(node, path);
        if (const HostEvaluator* evaluator = evaluatorFor(attr)) {
            MDataBlock block = MDataHandleAccess::block(node);
            (*evaluator)(plugFor(path), block);
        } else {
            computeDirty(node, path);
        }
    }
    return resolve(path, create);
}

const std::vector<Connection>& Graph::connectionsInto(const Node* node) const {
    static const std::vector<Connection> none;
    auto it = into_.find(node);
    return it == into_.end() ? none : it->second;
}

const std::vector<Connection>& Graph::connectionsOutOf(const Node* node) const {
    static const std::vector<Connection> none;
    auto it = outOf_.find(node);
    return it == outOf_.end() ? none : it->second;
}

void Graph::pullConnections(Node* node, const PlugPath& path) {
    // A copy: evaluating a source may connect or disconnect.
    const std::vector<Connection> incoming = connectionsInto(node);
    for (const Connection& c : incoming) {
        if (!relatedPlugs(normalized(c.destination), path))
            continue;
        Value* source = evaluate(c.source, true);
        Value* destination = resolve(c.destination, true);
        if (source && destination && source != destination)
            assignValue(*destination, *source);
    }
}

void Graph::computeDirty(Node* node, const PlugPath& path) {
    const Attribute* attr = path.attrPtr();
    for (const PlugMark& stale : node->dirty.staleWithin(markOf(path))) {
        if (!node->alive || !node->user)
            return;
        // An earlier compute of this request may have brought it up to date.
        if (!node->dirty.isDirty(stale))
            continue;
        node->dirty.clean(stale);
        PlugPath target = path;
        if (stale.attr != attr) {
            // A dirty descendant: compute that child plug inside the requested one.
            target = makePath(path.node, MObjectAccess::make(const_cast<Attribute*>(stale.attr)));
            for (std::size_t k = 0; k < stale.indices.size() && k < target.indices.size(); ++k)
                target.indices[k] = stale.indices[k];
        }
        MDataBlock block = MDataHandleAccess::block(node);
        node->user->compute(plugFor(target), block);
    }
}

const HostEvaluator* Graph::evaluatorFor(const Attribute* attr) const {
    for (const Attribute* a = attr; a; a = a->parent) {
        auto it = evaluators.find(a);
        if (it != evaluators.end())
            return &it->second;
    }
    return nullptr;
}

// Walks what the change reaches with a list of its own, so that a long chain of connections
// cannot exhaust the stack.
void Graph::changed(Node* node, const Attribute* attr) {
    std::set<std::pair<Node*, const Attribute*>> visited;
    std::vector<std::pair<Node*, const Attribute*>> pending{{node, attr}};
    while (!pending.empty()) {
        const auto [at, changedAttr] = pending.back();
        pending.pop_back();
        if (!at || !changedAttr || !visited.insert({at, changedAttr}).second)
            continue;
        ++at->changes;
        if (at->user) {
            MPlugArray alsoDirty;
            at->user->setDependentsDirty(
                plugFor(makePath(MObjectAccess::make(at),
                                 MObjectAccess::make(const_cast<Attribute*>(changedAttr)))),
                alsoDirty);
            for (unsigned int i = 0; i < alsoDirty.length(); ++i) {
                const PlugPath& extra = MPlugAccess::path(alsoDirty[i]);
                if (extra.nodePtr() != at || !extra.attrPtr())
                    continue;
                at->dirty.markDirty(extra.attrPtr());
                pending.emplace_back(at, extra.attrPtr());
            }
        }
        for (const auto& [input, outputs] : at->type->affects) {
            if (!input->isRelatedTo(changedAttr))
                continue;
            for (const Attribute* out : outputs) {
                at->dirty.markDirty(out);
                pending.emplace_back(at, out);
            }
        }
        for (const Connection& c : connectionsOutOf(at))
            if (c.source.attrPtr()->isRelatedTo(changedAttr))
                pending.emplace_back(c.destination.nodePtr(), c.destination.attrPtr());
    }
}

// ---- connections -------------------------------------------------------------------------------

namespace {

bool fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

bool compatible(const PlugPath& source, const PlugPath& destination, std::string* error) {
    const Attribute* s = source.attrPtr();
    const Attribute* d = destination.attrPtr();
    if (source.isArrayPlug() != destination.isArrayPlug())
        return fail(error, "cannot connect an array to a single value");
    if (s->isCompound() != d->isCompound())
        return fail(error, "cannot connect a compound to a simple attribute");
    if (s->isCompound() && s->children.size() != d->children.size())
        return fail(error, "the compounds have different numbers of children");
    if (!s->isCompound()) {
        const bool sData = leafKind(*s) == LeafKind::Data;
        const bool dData = leafKind(*d) == LeafKind::Data;
        const bool sMatrix = s->kind == AttrKind::Matrix;
        const bool dMatrix = d->kind == AttrKind::Matrix;
        if (sData != dData && !(sMatrix || dMatrix))
            return fail(error, "the data types are incompatible");
    }
    return true;
}

} // namespace

MStatus Graph::connect(const PlugPath& source, const PlugPath& destination, bool force,
                       std::string* error) {
    Node* srcNode = source.nodePtr();
    Node* dstNode = destination.nodePtr();
    const Attribute* s = source.attrPtr();
    const Attribute* d = destination.attrPtr();
    if (!srcNode || !dstNode || !srcNode->alive || !dstNode->alive || !s || !d ||
        !srcNode->hasAttribute(s) || !dstNode->hasAttribute(d)) {
        fail(error, "no such plug");
        return MS::kInvalidParameter;
    }
    const std::string names =
        plugName(source, true, true) + " -> " + plugName(destination, true, true);
    if (!s->flags.readable || !s->flags.connectable) {
        fail(error, "the source is not readable or not connectable: " + names);
        return MS::kInvalidParameter;
    }
    if (!d->flags.writable || !d->flags.connectable) {
        fail(error, "the destination is not writable or not connectable: " + names);
        return MS::kInvalidParameter;
    }
    if (source == destination) {
        fail(error, "cannot connect a plug to itself: " + names);
        return MS::kInvalidParameter;
    }
    if (!compatible(source, destination, error))
        return MS::kInvalidParameter;
    for (const Connection& c : connectionsInto(dstNode)) {
        if (!(c.destination == destination))
            continue;
        if (c.source == source) {
            fail(error, "already connected: " + names);
            return MS::kFailure;
        }
        if (!force) {
            fail(error, plugName(destination, true, true) +
                            " already has an incoming connection from " +
                            plugName(c.source, true, true));
            return MS::kFailure;
        }
        const Connection replaced = c;
        for (std::size_t k = 0; k < connections_.size(); ++k)
            if (connections_[k].destination == replaced.destination &&
                connections_[k].source == replaced.source) {
                breakConnection(k, false);
                break;
            }
        break;
    }
    resolve(destination, true);
    connections_.push_back({source, destination});
    into_[dstNode].push_back(connections_.back());
    outOf_[srcNode].push_back(connections_.back());
    MPlug srcPlug = plugFor(source);
    MPlug dstPlug = plugFor(destination);
    if (srcNode->user)
        srcNode->user->connectionMade(srcPlug, dstPlug, true);
    if (dstNode->user)
        dstNode->user->connectionMade(dstPlug, srcPlug, false);
    changed(dstNode, d);
    return MS::kSuccess;
}

void Graph::breakConnection(std::size_t index, bool keepValue) {
    const Connection c = connections_[index];
    // The destination keeps the last value it received through the connection.
    if (keepValue) {
        Value* source = evaluate(c.source, true);
        Value* destination = resolve(c.destination, true);
        if (source && destination && source != destination)
            assignValue(*destination, *source);
    }
    connections_.erase(connections_.begin() + static_cast<std::ptrdiff_t>(index));
    Node* srcNode = c.source.nodePtr();
    Node* dstNode = c.destination.nodePtr();
    for (auto* index : {&into_, &outOf_}) {
        auto& list = (*index)[index == &into_ ? dstNode : srcNode];
        for (auto it = list.begin(); it != list.end(); ++it)
            if (it->source == c.source && it->destination == c.destination) {
                list.erase(it);
                break;
            }
    }
    MPlug srcPlug = plugFor(c.source);
    MPlug dstPlug = plugFor(c.destination);
    if (srcNode && srcNode->alive && srcNode->user)
        srcNode->user->connectionBroken(srcPlug, dstPlug, true);
    if (!dstNode || !dstNode->alive)
        return;
    if (dstNode->user)
        dstNode->user->connectionBroken(dstPlug, srcPlug, false);
    const Attribute* d = c.destination.attrPtr();
    if (d->flags.disconnectBehavior == MFnAttribute::kReset) {
        if (Value* value = resolve(c.destination, false))
            assignValue(*value, *makeValue(*d, value->arrayLevel));
    } else if (d->flags.disconnectBehavior == MFnAttribute::kDelete && c.destination.isElement()) {
        removeElement(c.destination);
    }
    changed(dstNode, d);
}

MStatus Graph::disconnect(const PlugPath& source, const PlugPath& destination, std::string* error) {
    for (std::size_t k = 0; k < connections_.size(); ++k) {
        const Connection& c = connections_[k];
        if (c.source == source && c.destination == destination) {
            breakConnection(k, true);
            return MS::kSuccess;
        }
    }
    fail(error, "not connected: " + plugName(source, true, true) + " -> " +
                    plugName(destination, true, true));
    return MS::kNotFound;
}

MStatus Graph::removeElement(const PlugPath& raw) {
    const PlugPath element = normalized(raw);
    if (!element.isElement())
        return MS::kInvalidParameter;
    for (std::size_t k = connections_.size(); k-- > 0;) {
        if (k >= connections_.size())
            continue;
        const Connection& c = connections_[k];
        if (containsPlug(element, normalized(c.source)) ||
            containsPlug(element, normalized(c.destination)))
            breakConnection(k, false);
    }
    PlugPath array = element;
    array.indices.back() = -1;
    Value* arrayValue = resolve(array, false);
    if (!arrayValue ||
        !arrayValue->elements.erase(static_cast<unsigned int>(element.indices.back())))
        return MS::kNotFound;
    changed(element.nodePtr(), element.attrPtr());
    return MS::kSuccess;
}

} // namespace mcore
