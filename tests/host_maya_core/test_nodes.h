#pragma once
// Node types the graph tests run on, registered as host types (no plug-in needed).
#include <maya/MObject.h>
#include <maya/MPxNode.h>

#include <string>
#include <vector>

namespace coretest {

// Registers every test type once per process and empties the scene.
void prepareScene();

// "adder": sum = a + b. a has hard limits [0, 10] and a soft maximum of 5.
struct Adder : MPxNode {
    static MObject a, b, sum;
    static int computeCount;
    MStatus compute(const MPlug& plug, MDataBlock& block) override;
};

// "stubborn": out is affected by in, but compute never produces it.
struct Stubborn : MPxNode {
    static MObject in, out;
    MStatus compute(const MPlug& plug, MDataBlock& block) override;
};

// "echo": items (float array) -> doubled (float array, logical indices 0..n-1).
struct Echo : MPxNode {
    static MObject items, doubled;
    MStatus compute(const MPlug& plug, MDataBlock& block) override;
};

// "keeper": internal attributes. "legacy" goes through the deprecated context form and is left
// to the host; "kept" goes through the context-free form and stays in the node.
struct Keeper : MPxNode {
    static MObject legacy, kept, plain;
    std::vector<std::string> calls;
    int keptValue = 7;
    bool setInternalValueInContext(const MPlug& plug, const MDataHandle& handle,
                                   MDGContext& ctx) override;
};
struct ContextFreeKeeper : MPxNode {
    static MObject kept;
    int keptValue = 7;
    int sets = 0;
    bool setInternalValue(const MPlug& plug, const MDataHandle& handle) override;
    bool getInternalValue(const MPlug& plug, MDataHandle& handle) override;
};

// "lifecycle": records the order of construction and postConstructor.
struct Lifecycle : MPxNode {
    static std::vector<std::string> events;
    Lifecycle();
    void postConstructor() override;
};

// "kinds": one attribute of every kind the nodes use.
struct Kinds : MPxNode {
    static MObject number, flag, choice, text, points, color, pair, triple, tx, ty, tz, when,
        transform, hidden;
};

} // namespace coretest
