#include "dirty_state.h"

#include <algorithm>

namespace mcore {

namespace {

bool sameOrAncestor(const Attribute* a, const Attribute* b) {
    return a == b || a->isAncestorOf(b);
}

template <class Predicate> void eraseIf(std::vector<PlugMark>& marks, Predicate predicate) {
    marks.erase(std::remove_if(marks.begin(), marks.end(), predicate), marks.end());
}

} // namespace

PlugMark wholeAttribute(const Attribute* attr) {
    PlugMark mark{attr, {}};
    for (const Attribute* a = attr; a; a = a->parent)
        if (a->isArray())
            mark.indices.push_back(-1);
    return mark;
}

bool markContains(const PlugMark& a, const PlugMark& b) {
    if (!a.attr || !b.attr || !sameOrAncestor(a.attr, b.attr) ||
        a.indices.size() > b.indices.size())
        return false;
    for (std::size_t k = 0; k < a.indices.size(); ++k)
        if (a.indices[k] >= 0 && a.indices[k] != b.indices[k])
            return false;
    return true;
}

bool marksOverlap(const PlugMark& a, const PlugMark& b) {
    if (!a.attr || !b.attr || !a.attr->isRelatedTo(b.attr))
        return false;
    const std::size_t common = std::min(a.indices.size(), b.indices.size());
    for (std::size_t k = 0; k < common; ++k)
        if (a.indices[k] >= 0 && b.indices[k] >= 0 && a.indices[k] != b.indices[k])
            return false;
    return true;
}

PlugMark markIntersection(const PlugMark& a, const PlugMark& b) {
    const PlugMark& deeper = sameOrAncestor(a.attr, b.attr) ? b : a;
    const PlugMark& other = &deeper == &a ? b : a;
    PlugMark result = deeper;
    for (std::size_t k = 0; k < other.indices.size() && k < result.indices.size(); ++k)
        if (result.indices[k] < 0)
            result.indices[k] = other.indices[k];
    return result;
}

void DirtyState::markDirty(const Attribute* attr) {
    const PlugMark mark = wholeAttribute(attr);
    eraseIf(cleaned_, [&mark](const PlugMark& c) { return marksOverlap(c, mark); });
    const bool known = std::any_of(dirty_.begin(), dirty_.end(),
                                   [&mark](const PlugMark& d) { return markContains(d, mark); });
    if (!known)
        dirty_.push_back(mark);
}

void DirtyState::clean(const PlugMark& plug) {
    eraseIf(dirty_, [&plug](const PlugMark& d) { return markContains(plug, d); });
    eraseIf(cleaned_, [&plug](const PlugMark& c) { return markContains(plug, c); });
    const bool insideDirty = std::any_of(
        dirty_.begin(), dirty_.end(), [&plug](const PlugMark& d) { return marksOverlap(d, plug); });
    if (insideDirty)
        cleaned_.push_back(plug);
}

bool DirtyState::coveredByClean(const PlugMark& plug) const {
    return std::any_of(cleaned_.begin(), cleaned_.end(),
                       [&plug](const PlugMark& c) { return markContains(c, plug); });
}

std::vector<PlugMark> DirtyState::staleWithin(const PlugMark& plug) const {
    std::vector<PlugMark> stale;
    for (const PlugMark& d : dirty_) {
        if (!marksOverlap(d, plug))
            continue;
        const PlugMark part = markIntersection(d, plug);
        if (!coveredByClean(part) && std::find(stale.begin(), stale.end(), part) == stale.end())
            stale.push_back(part);
    }
    return stale;
}

bool DirtyState::isDirty(const PlugMark& plug) const {
    return !staleWithin(plug).empty();
}

} // namespace mcore
