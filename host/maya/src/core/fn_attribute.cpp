// MFnAttribute: names and flags of any attribute.
#include "attribute.h"
#include "data_objects.h"
#include "status_util.h"

#include <maya/MFnAttribute.h>

using namespace mcore;

namespace {

bool getFlag(const MObject& object, bool AttrFlags::*flag, MStatus* status) {
    const Attribute* attr = attributeOf(object);
    if (status)
        *status = attr ? MS::kSuccess : MS::kFailure;
    return attr && attr->flags.*flag;
}

MStatus setFlag(const MObject& object, bool AttrFlags::*flag, bool state) {
    Attribute* attr = attributeOf(object);
    if (!attr)
        return MS::kFailure;
    attr->flags.*flag = state;
    return MS::kSuccess;
}

} // namespace

MFnAttribute::MFnAttribute() = default;
MFnAttribute::MFnAttribute(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnAttribute::MFnAttribute(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnAttribute::~MFnAttribute() = default;
MFn::Type MFnAttribute::type() const {
    return MFn::kAttribute;
}

MString MFnAttribute::name(MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    if (ReturnStatus)
        *ReturnStatus = attr ? MS::kSuccess : MS::kFailure;
    return attr ? MString(attr->longName.c_str()) : MString();
}

MString MFnAttribute::shortName(MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    if (ReturnStatus)
        *ReturnStatus = attr ? MS::kSuccess : MS::kFailure;
    return attr ? MString(attr->shortName.c_str()) : MString();
}

MObject MFnAttribute::parent(MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    if (ReturnStatus)
        *ReturnStatus = attr && attr->parent ? MS::kSuccess : MS::kNotFound;
    return attr && attr->parent ? MObjectAccess::make(attr->parent) : MObject();
}

bool MFnAttribute::isReadable(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::readable, s);
}
bool MFnAttribute::isWritable(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::writable, s);
}
bool MFnAttribute::isConnectable(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::connectable, s);
}
bool MFnAttribute::isStorable(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::storable, s);
}
bool MFnAttribute::isCached(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::cached, s);
}
bool MFnAttribute::isArray(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::array, s);
}
bool MFnAttribute::indexMatters(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::indexMatters, s);
}
bool MFnAttribute::isKeyable(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::keyable, s);
}
bool MFnAttribute::isChannelBoxFlagSet(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::channelBox, s);
}
bool MFnAttribute::isHidden(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::hidden, s);
}
bool MFnAttribute::isUsedAsColor(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::usedAsColor, s);
}
bool MFnAttribute::isRenderSource(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::renderSource, s);
}
bool MFnAttribute::isAffectsWorldSpace(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::affectsWorldSpace, s);
}
bool MFnAttribute::usesArrayDataBuilder(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::usesArrayDataBuilder, s);
}
bool MFnAttribute::internal(MStatus* s) const {
    return getFlag(fObject, &AttrFlags::internal, s);
}

bool MFnAttribute::isDynamic(MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    setReturn(ReturnStatus, attr != nullptr);
    return attr && attr->dynamic;
}

bool MFnAttribute::isExtension(MStatus* ReturnStatus) const {
    return isDynamic(ReturnStatus);
}

bool MFnAttribute::accepts(MFnData::Type dataType, MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    if (ReturnStatus)
        *ReturnStatus = attr ? MS::kSuccess : MS::kFailure;
    if (!attr)
        return false;
    switch (attr->kind) {
    case AttrKind::Typed:
        return attr->dataType == MFnData::kAny || attr->dataType == dataType;
    case AttrKind::Matrix:
        return dataType == MFnData::kMatrix;
    case AttrKind::Numeric:
        return dataType == MFnData::kNumeric;
    default:
        return attr->isNumericCompound() && dataType == MFnData::kNumeric;
    }
}

bool MFnAttribute::accepts(const MTypeId& id, MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    if (ReturnStatus)
        *ReturnStatus = attr ? MS::kSuccess : MS::kFailure;
    return attr && attr->kind == AttrKind::Typed && attr->dataTypeId == id && id.id() != 0;
}

MFnAttribute::DisconnectBehavior MFnAttribute::disconnectBehavior(MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    if (ReturnStatus)
        *ReturnStatus = attr ? MS::kSuccess : MS::kFailure;
    return attr ? attr->flags.disconnectBehavior : kNothing;
}

MStatus MFnAttribute::setReadable(bool state) {
    return setFlag(fObject, &AttrFlags::readable, state);
}
MStatus MFnAttribute::setWritable(bool state) {
    return setFlag(fObject, &AttrFlags::writable, state);
}
MStatus MFnAttribute::setConnectable(bool state) {
    return setFlag(fObject, &AttrFlags::connectable, state);
}
MStatus MFnAttribute::setStorable(bool state) {
    return setFlag(fObject, &AttrFlags::storable, state);
}
MStatus MFnAttribute::setCached(bool state) {
    return setFlag(fObject, &AttrFlags::cached, state);
}
MStatus MFnAttribute::setArray(bool state) {
    return setFlag(fObject, &AttrFlags::array, state);
}
MStatus MFnAttribute::setIndexMatters(bool state) {
    return setFlag(fObject, &AttrFlags::indexMatters, state);
}
MStatus MFnAttribute::setKeyable(bool state) {
    return setFlag(fObject, &AttrFlags::keyable, state);
}
MStatus MFnAttribute::setChannelBox(bool state) {
    return setFlag(fObject, &AttrFlags::channelBox, state);
}
MStatus MFnAttribute::setHidden(bool state) {
    return setFlag(fObject, &AttrFlags::hidden, state);
}
MStatus MFnAttribute::setUsedAsColor(bool state) {
    return setFlag(fObject, &AttrFlags::usedAsColor, state);
}
MStatus MFnAttribute::setRenderSource(bool state) {
    return setFlag(fObject, &AttrFlags::renderSource, state);
}
MStatus MFnAttribute::setAffectsWorldSpace(bool state) {
    return setFlag(fObject, &AttrFlags::affectsWorldSpace, state);
}
MStatus MFnAttribute::setUsesArrayDataBuilder(bool state) {
    return setFlag(fObject, &AttrFlags::usesArrayDataBuilder, state);
}
MStatus MFnAttribute::setInternal(bool state) {
    return setFlag(fObject, &AttrFlags::internal, state);
}

MStatus MFnAttribute::setDisconnectBehavior(DisconnectBehavior behavior) {
    Attribute* attr = attributeOf(fObject);
    if (!attr)
        return MS::kFailure;
    attr->flags.disconnectBehavior = behavior;
    return MS::kSuccess;
}
