// MArrayDataHandle and MArrayDataBuilder: sparse arrays walked in ascending logical order.
#include "data_block_access.h"
#include "graph.h"
#include "internal.h"

#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>

#include <atomic>
#include <iterator>

using namespace mcore;

namespace {

struct BuilderState {
    std::atomic<int> refs{1};
    // The attribute the elements are made from, held for as long as the builder lives: one
    // created for the builder alone would otherwise go with its last MObject.
    MObject attribute;
    std::unique_ptr<Value> array;
};

void report(MStatus* status, MStatus value) {
    if (status)
        *status = value;
}

Value* elementAt(Value* array, unsigned int position) {
    if (!array || position >= array->elements.size())
        return nullptr;
    return std::next(array->elements.begin(), position)->second.get();
}

BuilderState* stateOf(void* ptr) {
    return static_cast<BuilderState*>(ptr);
}

void releaseState(void* ptr) {
    BuilderState* state = stateOf(ptr);
    if (state && state->refs.fetch_sub(1) == 1)
        delete state;
}

} // namespace

namespace mcore {

void forEachElement(const MArrayDataHandle& array,
                    const std::function<void(unsigned int, MDataHandle&)>& visit) {
    Value* value = MDataHandleAccess::array(array);
    if (!value)
        return;
    for (auto& [index, element] : value->elements) {
        MDataHandle handle =
            MDataHandleAccess::handle(element.get(), MDataHandleAccess::node(array));
        visit(index, handle);
    }
}

} // namespace mcore

// ---- MArrayDataHandle --------------------------------------------------------------------------

MArrayDataHandle::MArrayDataHandle()
    : fArray(nullptr), fNode(nullptr), fAttr(nullptr), fPosition(0), fWritable(false) {}

MArrayDataHandle::MArrayDataHandle(const MDataHandle& in, MStatus* ReturnStatus)
    : MArrayDataHandle() {
    // A handle whose value is a whole array (e.g. an array child of a compound element).
    Value* value = MDataHandleAccess::value(in);
    if (value && value->arrayLevel) {
        fArray = value;
        fNode = MDataHandleAccess::node(in);
        fAttr = const_cast<Attribute*>(value->attr);
        fWritable = true;
    }
    report(ReturnStatus, fArray ? MS::kSuccess : MS::kInvalidParameter);
}

MArrayDataHandle::MArrayDataHandle(const MArrayDataHandle& other) = default;
MArrayDataHandle& MArrayDataHandle::operator=(const MArrayDataHandle& other) = default;
MArrayDataHandle::~MArrayDataHandle() = default;

MDataHandle MArrayDataHandle::inputValue(MStatus* ReturnStatus) {
    Value* element = elementAt(static_cast<Value*>(fArray), fPosition);
    report(ReturnStatus, element ? MS::kSuccess : MS::kFailure);
    return MDataHandleAccess::handle(element, static_cast<Node*>(fNode));
}

MDataHandle MArrayDataHandle::outputValue(MStatus* ReturnStatus) {
    return inputValue(ReturnStatus);
}

MArrayDataHandle MArrayDataHandle::inputArrayValue(MStatus* ReturnStatus) {
    // Elements of an array attribute are never arrays themselves.
    report(ReturnStatus, MS::kInvalidParameter);
    return MDataHandleAccess::arrayHandle(nullptr, nullptr, false);
}

MArrayDataHandle MArrayDataHandle::outputArrayValue(MStatus* ReturnStatus) {
    return inputArrayValue(ReturnStatus);
}

MStatus MArrayDataHandle::next() {
    const Value* array = static_cast<Value*>(fArray);
    if (!array || fPosition >= array->elements.size())
        return MS::kFailure;
    ++fPosition;
    return fPosition < array->elements.size() ? MS::kSuccess : MS::kFailure;
}

unsigned int MArrayDataHandle::elementCount(MStatus* ReturnStatus) {
    const Value* array = static_cast<Value*>(fArray);
    report(ReturnStatus, array ? MS::kSuccess : MS::kFailure);
    return array ? static_cast<unsigned int>(array->elements.size()) : 0u;
}

unsigned int MArrayDataHandle::elementIndex(MStatus* ReturnStatus) {
    const Value* array = static_cast<Value*>(fArray);
    if (!array || fPosition >= array->elements.size()) {
        report(ReturnStatus, MS::kFailure);
        return static_cast<unsigned int>(-1);
    }
    report(ReturnStatus, MS::kSuccess);
    return std::next(array->elements.begin(), fPosition)->first;
}

MStatus MArrayDataHandle::jumpToElement(unsigned int index) {
    const Value* array = static_cast<Value*>(fArray);
    if (!array)
        return MS::kFailure;
    auto it = array->elements.find(index);
    if (it == array->elements.end())
        return MS::kFailure;
    fPosition = static_cast<unsigned int>(std::distance(array->elements.begin(), it));
    return MS::kSuccess;
}

MStatus MArrayDataHandle::jumpToArrayElement(unsigned int position) {
    const Value* array = static_cast<Value*>(fArray);
    if (!array || position >= array->elements.size())
        return MS::kFailure;
    fPosition = position;
    return MS::kSuccess;
}

// The array this handle holds, with every element.
MStatus MArrayDataHandle::setClean() {
    Node* node = static_cast<Node*>(fNode);
    PlugMark mark;
    if (!node || !node->markOf(static_cast<Value*>(fArray), mark))
        return MS::kFailure;
    node->dirty.clean(mark);
    return MS::kSuccess;
}

MStatus MArrayDataHandle::setAllClean() {
    return setClean();
}

MArrayDataBuilder MArrayDataHandle::builder(MStatus* ReturnStatus) {
    const Value* array = static_cast<Value*>(fArray);
    if (!array || !array->attr->flags.usesArrayDataBuilder) {
        report(ReturnStatus, MS::kFailure);
        return MArrayDataBuilder();
    }
    MArrayDataBuilder result;
    auto* state = new BuilderState();
    state->array = cloneValue(*array);
    result.fArray = state;
    result.fNode = fNode;
    result.fAttr = fAttr;
    report(ReturnStatus, MS::kSuccess);
    return result;
}

MStatus MArrayDataHandle::set(MArrayDataBuilder& builder) {
    Value* array = static_cast<Value*>(fArray);
    BuilderState* state = stateOf(builder.fArray);
    if (!array || !state || state->array->attr != array->attr)
        return MS::kInvalidParameter;
    // The builder's elements replace the array: elements it does not hold are gone.
    assignValue(*array, *state->array);
    fPosition = 0;
    return MS::kSuccess;
}

// ---- MArrayDataBuilder -------------------------------------------------------------------------

MArrayDataBuilder::MArrayDataBuilder() : fArray(nullptr), fNode(nullptr), fAttr(nullptr) {}

MArrayDataBuilder::MArrayDataBuilder(MDataBlock* block, const MObject& attribute, unsigned int,
                                     MStatus* ReturnStatus)
    : MArrayDataBuilder() {
    start(attribute, ReturnStatus);
    fNode = block && fArray ? MDataHandleAccess::node(*block) : nullptr;
}

MArrayDataBuilder::MArrayDataBuilder(const MObject& attribute, unsigned int, MStatus* ReturnStatus)
    : MArrayDataBuilder() {
    start(attribute, ReturnStatus);
}

// As Maya documents it, only an array attribute flagged with setUsesArrayDataBuilder can be
// built; for any other the builder stays invalid and every call on it fails.
void MArrayDataBuilder::start(const MObject& attribute, MStatus* ReturnStatus) {
    Attribute* attr = attributeOf(attribute);
    if (!attr || !attr->isArray() || !attr->flags.usesArrayDataBuilder) {
        report(ReturnStatus, MS::kInvalidParameter);
        return;
    }
    auto* state = new BuilderState();
    state->attribute = attribute;
    state->array = makeValue(*attr, true);
    fArray = state;
    fAttr = attr;
    report(ReturnStatus, MS::kSuccess);
}

MArrayDataBuilder::MArrayDataBuilder(const MArrayDataBuilder& other)
    : fArray(other.fArray), fNode(other.fNode), fAttr(other.fAttr) {
    if (BuilderState* state = stateOf(fArray))
        state->refs.fetch_add(1);
}

MArrayDataBuilder& MArrayDataBuilder::operator=(const MArrayDataBuilder& other) {
    if (this != &other) {
        if (BuilderState* state = stateOf(other.fArray))
            state->refs.fetch_add(1);
        releaseState(fArray);
        fArray = other.fArray;
        fNode = other.fNode;
        fAttr = other.fAttr;
    }
    return *this;
}

MArrayDataBuilder::~MArrayDataBuilder() {
    releaseState(fArray);
}

MDataHandle MArrayDataBuilder::addElement(unsigned int index, MStatus* ReturnStatus) {
    BuilderState* state = stateOf(fArray);
    Value* element = state ? state->array->element(index, true) : nullptr;
    report(ReturnStatus, element ? MS::kSuccess : MS::kFailure);
    return MDataHandleAccess::handle(element, static_cast<Node*>(fNode));
}

MDataHandle MArrayDataBuilder::addLast(MStatus* ReturnStatus) {
    BuilderState* state = stateOf(fArray);
    if (!state) {
        report(ReturnStatus, MS::kFailure);
        return MDataHandle();
    }
    const auto& elements = state->array->elements;
    const unsigned int index = elements.empty() ? 0u : elements.rbegin()->first + 1;
    return addElement(index, ReturnStatus);
}

// Elements of an array attribute are never arrays themselves.
MArrayDataHandle MArrayDataBuilder::addElementArray(unsigned int, MStatus* ReturnStatus) {
    report(ReturnStatus, MS::kInvalidParameter);
    return MDataHandleAccess::arrayHandle(nullptr, nullptr, false);
}

MArrayDataHandle MArrayDataBuilder::addLastArray(MStatus* ReturnStatus) {
    return addElementArray(0, ReturnStatus);
}

MStatus MArrayDataBuilder::removeElement(unsigned int index) {
    BuilderState* state = stateOf(fArray);
    return state && state->array->elements.erase(index) ? MS::kSuccess : MS::kFailure;
}

unsigned int MArrayDataBuilder::elementCount(MStatus* ReturnStatus) const {
    const BuilderState* state = stateOf(fArray);
    report(ReturnStatus, state ? MS::kSuccess : MS::kFailure);
    return state ? static_cast<unsigned int>(state->array->elements.size()) : 0u;
}

MStatus MArrayDataBuilder::growArray(unsigned int) {
    return fArray ? MS::kSuccess : MS::kFailure;
}

MStatus MArrayDataBuilder::setGrowSize(unsigned int) {
    return fArray ? MS::kSuccess : MS::kFailure;
}
