#pragma once
// The scene's nodes and connections, dirty propagation and pull evaluation.
#include "internal.h"
#include "node.h"
#include "plug_path.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace mcore {

struct Connection {
    PlugPath source;
    PlugPath destination;
};

class Graph {
public:
    static Graph& instance();

    // ---- nodes
    MObject createNode(const std::shared_ptr<NodeType>& type, const std::string& wantedName,
                       MStatus* status);
    MStatus deleteNode(const MObject& node);
    void deleteAllNodes();
    // The one node a name designates (through the name policy), else null.
    Node* findNode(const std::string& name) const;
    // Nodes whose own name is `name`, oldest first.
    const std::vector<Node*>& nodesNamed(const std::string& name) const;
    // `wanted` when no node it would clash with has it, else its stem plus the lowest free
    // number.
    std::string uniqueName(const std::string& wanted, const Node* self) const;
    void rename(Node* node, const std::string& name);
    NamePolicy namePolicy;
    const std::vector<MObject>& nodes() const { return nodes_; }

    // ---- values
    // The stored value a plug designates, without evaluating anything.
    Value* resolve(const PlugPath& path, bool create);
    // Pulls connected inputs from their sources and computes dirty outputs first. Evaluations
    // nest on the caller's stack, so past kMostEvaluationDepth nested evaluations the plug's
    // stored value is used as it is, and the host says so on standard error, once per scene.
    Value* evaluate(const PlugPath& path, bool create = true);
    static constexpr int kMostEvaluationDepth = 2000;
    // An input changed: dirty what it affects, here and downstream.
    void changed(Node* node, const Attribute* attr);

    // ---- connections
    MStatus connect(const PlugPath& source, const PlugPath& destination, bool force,
                    std::string* error);
    MStatus disconnect(const PlugPath& source, const PlugPath& destination, std::string* error);
    const std::vector<Connection>& connections() const { return connections_; }
    // Removes an array element (and the connections into or out of it).
    MStatus removeElement(const PlugPath& element);

    // ---- extension points
    std::map<const Attribute*, HostEvaluator> evaluators;
    std::vector<NodeCallback> addedCallbacks;
    std::vector<NodeCallback> removedCallbacks;
    std::vector<std::function<void()>> resetHooks;

private:
    Graph() = default;
    void pullConnections(Node* node, const PlugPath& path);
    void computeDirty(Node* node, const PlugPath& path);
    const HostEvaluator* evaluatorFor(const Attribute* attr) const;
    void breakConnection(std::size_t index, bool keepValue);

    // Index of connections_ by the nodes at their ends, so that reading or changing a plug looks
    // only at its own node's connections (copies; kept in step by connect and breakConnection).
    const std::vector<Connection>& connectionsInto(const Node* node) const;
    const std::vector<Connection>& connectionsOutOf(const Node* node) const;

    std::vector<MObject> nodes_;
    std::unordered_map<std::string, std::vector<Node*>> byName_;
    std::vector<Connection> connections_;
    std::unordered_map<const Node*, std::vector<Connection>> into_, outOf_;
    int evaluationDepth_ = 0;
    bool depthReported_ = false;
};

// The plug handed to compute for this path.
MPlug plugFor(const PlugPath& path);

} // namespace mcore
