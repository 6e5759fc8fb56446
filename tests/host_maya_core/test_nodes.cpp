#include "test_nodes.h"

#include "core/internal.h"

#include <maya/MArrayDataBuilder.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MDataBlock.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPointArrayData.h>
#include <maya/MFnStringData.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MPlug.h>

#include <hostkit/host.h>

namespace coretest {

MObject Adder::a, Adder::b, Adder::sum;
int Adder::computeCount = 0;
MObject Stubborn::in, Stubborn::out;
MObject Echo::items, Echo::doubled;
MObject Keeper::legacy, Keeper::kept, Keeper::plain;
MObject ContextFreeKeeper::kept;
std::vector<std::string> Lifecycle::events;
MObject Kinds::number, Kinds::flag, Kinds::choice, Kinds::text, Kinds::points, Kinds::color,
    Kinds::pair, Kinds::triple, Kinds::tx, Kinds::ty, Kinds::tz, Kinds::when, Kinds::transform,
    Kinds::hidden;

namespace {

MObject floatAttr(const char* longName, const char* shortName, double value) {
    MFnNumericAttribute fn;
    return fn.create(longName, shortName, MFnNumericData::kFloat, value);
}

template <class T> void* create() {
    return new T();
}

MStatus initAdder() {
    Adder::a = floatAttr("a", "a", 0.0);
    MFnNumericAttribute fn(Adder::a);
    fn.setMin(0.0);
    fn.setMax(10.0);
    fn.setSoftMax(5.0);
    Adder::b = floatAttr("b", "b", 0.0);
    Adder::sum = floatAttr("sum", "s", 0.0);
    MPxNode::addAttribute(Adder::a);
    MPxNode::addAttribute(Adder::b);
    MPxNode::addAttribute(Adder::sum);
    MPxNode::attributeAffects(Adder::a, Adder::sum);
    return MPxNode::attributeAffects(Adder::b, Adder::sum);
}

MStatus initStubborn() {
    Stubborn::in = floatAttr("in", "i", 0.0);
    Stubborn::out = floatAttr("out", "o", 3.0);
    MPxNode::addAttribute(Stubborn::in);
    MPxNode::addAttribute(Stubborn::out);
    return MPxNode::attributeAffects(Stubborn::in, Stubborn::out);
}

MStatus initEcho() {
    MFnNumericAttribute fn;
    Echo::items = fn.create("items", "it", MFnNumericData::kFloat, 0.0);
    fn.setArray(true);
    Echo::doubled = fn.create("doubled", "db", MFnNumericData::kFloat, 0.0);
    fn.setArray(true);
    fn.setUsesArrayDataBuilder(true);
    MPxNode::addAttribute(Echo::items);
    MPxNode::addAttribute(Echo::doubled);
    return MPxNode::attributeAffects(Echo::items, Echo::doubled);
}

MStatus initKeeper() {
    MFnNumericAttribute fn;
    Keeper::legacy = fn.create("legacy", "lg", MFnNumericData::kInt, 1);
    fn.setInternal(true);
    Keeper::kept = fn.create("kept", "kp", MFnNumericData::kInt, 1);
    fn.setInternal(true);
    Keeper::plain = fn.create("plain", "pl", MFnNumericData::kInt, 1);
    MPxNode::addAttribute(Keeper::legacy);
    MPxNode::addAttribute(Keeper::kept);
    return MPxNode::addAttribute(Keeper::plain);
}

MStatus initContextFree() {
    MFnNumericAttribute fn;
    ContextFreeKeeper::kept = fn.create("kept", "kp", MFnNumericData::kInt, 1);
    fn.setInternal(true);
    return MPxNode::addAttribute(ContextFreeKeeper::kept);
}

MStatus initLifecycle() {
    return MS::kSuccess;
}

MStatus initKinds() {
    MFnNumericAttribute numeric;
    Kinds::number = numeric.create("number", "nb", MFnNumericData::kDouble, 1.5);
    numeric.setKeyable(true);
    numeric.setSoftMin(-1.0);
    Kinds::flag = numeric.create("flag", "fl", MFnNumericData::kBoolean, 1);
    numeric.setRenderSource(true);
    MFnEnumAttribute enumeration;
    Kinds::choice = enumeration.create("choice", "ch", 30);
    enumeration.addField("Low", 0);
    enumeration.addField("High", 30);
    enumeration.addField("Off", 999);
    MFnTypedAttribute typed;
    Kinds::text = typed.create("text", "tx", MFnData::kString);
    Kinds::points = typed.create("points", "pts", MFnData::kPointArray);
    typed.setStorable(false);
    Kinds::color = numeric.createColor("color", "cl");
    numeric.setDefault(0.25f, 0.5f, 0.75f);
    MObject u = numeric.create("pairU", "pu", MFnNumericData::kFloat, 1.0);
    MObject v = numeric.create("pairV", "pv", MFnNumericData::kFloat, 2.0);
    Kinds::pair = numeric.create("pair", "pr", u, v);
    Kinds::tx = numeric.create("tripleX", "tx0", MFnNumericData::kDouble, 0.0);
    Kinds::ty = numeric.create("tripleY", "ty0", MFnNumericData::kDouble, 0.0);
    Kinds::tz = numeric.create("tripleZ", "tz0", MFnNumericData::kDouble, 0.0);
    MFnCompoundAttribute compound;
    Kinds::triple = compound.create("triple", "tr");
    compound.addChild(Kinds::tz);
    compound.addChild(Kinds::tx);
    compound.addChild(Kinds::ty);
    MFnUnitAttribute unit;
    Kinds::when = unit.create("when", "wh", MFnUnitAttribute::kTime, 12.0);
    MFnMatrixAttribute matrix;
    Kinds::transform = matrix.create("transform", "xf");
    Kinds::hidden = numeric.create("hidden", "hd", MFnNumericData::kInt, 0);
    numeric.setHidden(true);
    numeric.setConnectable(false);
    numeric.setReadable(false);
    numeric.setWritable(false);
    numeric.setIndexMatters(false);
    for (const MObject* attr :
         {&Kinds::number, &Kinds::flag, &Kinds::choice, &Kinds::text, &Kinds::points, &Kinds::color,
          &Kinds::pair, &Kinds::triple, &Kinds::when, &Kinds::transform, &Kinds::hidden})
        MPxNode::addAttribute(*attr);
    return MS::kSuccess;
}

void registerType(const char* name, unsigned int id, MCreatorFunction creator,
                  MInitializeFunction init) {
    mcore::registerBuiltinNodeType(name, MTypeId(id), creator, init, MPxNode::kDependNode,
                                   {MFn::kPluginDependNode, MFn::kDependencyNode});
}

} // namespace

MStatus Adder::compute(const MPlug& plug, MDataBlock& block) {
    if (plug != sum)
        return MS::kUnknownParameter;
    ++computeCount;
    const float total = block.inputValue(a).asFloat() + block.inputValue(b).asFloat();
    block.outputValue(sum).set(total);
    block.setClean(plug);
    return MS::kSuccess;
}

MStatus Stubborn::compute(const MPlug&, MDataBlock&) {
    return MS::kUnknownParameter;
}

MStatus Echo::compute(const MPlug& plug, MDataBlock& block) {
    if (plug != doubled)
        return MS::kUnknownParameter;
    MArrayDataHandle input = block.inputArrayValue(items);
    MArrayDataHandle output = block.outputArrayValue(doubled);
    MArrayDataBuilder builder(&block, doubled, input.elementCount());
    for (unsigned int k = 0; k < input.elementCount(); ++k) {
        input.jumpToArrayElement(k);
        builder.addElement(k).set(2.0f * input.inputValue().asFloat());
    }
    output.set(builder);
    block.setClean(plug);
    return MS::kSuccess;
}

bool Keeper::setInternalValueInContext(const MPlug& plug, const MDataHandle& handle, MDGContext&) {
    calls.push_back(plug.partialName(false, false, false, false, false, true).asChar());
    if (plug == kept) {
        keptValue = handle.asInt();
        return true;
    }
    return false;
}

bool ContextFreeKeeper::setInternalValue(const MPlug&, const MDataHandle& handle) {
    ++sets;
    keptValue = handle.asInt();
    return true;
}

bool ContextFreeKeeper::getInternalValue(const MPlug&, MDataHandle& handle) {
    handle.set(keptValue);
    return true;
}

Lifecycle::Lifecycle() {
    events.push_back(thisMObject().isNull() ? "constructed without node" : "constructed");
}

void Lifecycle::postConstructor() {
    events.push_back(thisMObject().isNull() ? "postConstructor without node" : "postConstructor");
}

void prepareScene() {
    static const bool registered = [] {
        registerType("adder", 0x7F201, create<Adder>, initAdder);
        registerType("stubborn", 0x7F202, create<Stubborn>, initStubborn);
        registerType("echo", 0x7F203, create<Echo>, initEcho);
        registerType("keeper", 0x7F204, create<Keeper>, initKeeper);
        registerType("contextFreeKeeper", 0x7F205, create<ContextFreeKeeper>, initContextFree);
        registerType("lifecycle", 0x7F206, create<Lifecycle>, initLifecycle);
        registerType("kinds", 0x7F207, create<Kinds>, initKinds);
        return true;
    }();
    (void)registered;
    hostkit::resetScene();
    Adder::computeCount = 0;
    Lifecycle::events.clear();
}

} // namespace coretest
