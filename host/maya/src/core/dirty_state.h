#pragma once
// Which of a node's plugs are out of date, per plug as Maya keeps it: an input change dirties
// every element of the outputs it affects, and computing or cleaning one element leaves the
// others dirty.
#include "attribute.h"

#include <vector>

namespace mcore {

// A plug of the node: an attribute and the logical index of every array on its chain, root
// first; -1 stands for every element of that array.
struct PlugMark {
    const Attribute* attr = nullptr;
    std::vector<long long> indices;

    bool operator==(const PlugMark& other) const {
        return attr == other.attr && indices == other.indices;
    }
};

// The attribute with every element of every array on its chain.
PlugMark wholeAttribute(const Attribute* attr);
// True when a designates b or something containing it.
bool markContains(const PlugMark& a, const PlugMark& b);
// True when some plug lies in both.
bool marksOverlap(const PlugMark& a, const PlugMark& b);
// The plugs in both (meaningful only when they overlap).
PlugMark markIntersection(const PlugMark& a, const PlugMark& b);

class DirtyState {
public:
    // Every element of attr (and of its children) is out of date.
    void markDirty(const Attribute* attr);
    // The plug and everything in it are up to date; other elements keep their state.
    void clean(const PlugMark& plug);
    // True when some part of the plug, its ancestors or its children is out of date.
    bool isDirty(const PlugMark& plug) const;
    // The out-of-date parts of the plug, one mark per dirty attribute that overlaps it.
    std::vector<PlugMark> staleWithin(const PlugMark& plug) const;

private:
    bool coveredByClean(const PlugMark& plug) const;

    std::vector<PlugMark> dirty_;
    // Plugs cleaned inside a wider dirty mark (one element of a dirty array).
    std::vector<PlugMark> cleaned_;
};

} // namespace mcore
