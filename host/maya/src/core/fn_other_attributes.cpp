// MFnEnumAttribute, MFnTypedAttribute, MFnCompoundAttribute, MFnUnitAttribute,
// MFnMatrixAttribute.
#include "attribute.h"
#include "internal.h"
#include "status_util.h"

#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>

#include <algorithm>

using namespace mcore;

namespace {

MObject makeAttribute(AttrKind kind, const MString& fullName, const MString& briefName,
                      MStatus* status) {
    if (fullName.length() == 0) {
        setReturn(status, MS::kInvalidParameter);
        return MObject();
    }
    setReturn(status, MS::kSuccess);
    const MString brief = briefName.length() ? briefName : fullName;
    return MObjectAccess::make(new Attribute(kind, fullName.asChar(), brief.asChar()));
}

Attribute* ofKind(const MObject& object, AttrKind kind) {
    Attribute* attr = attributeOf(object);
    return attr && attr->kind == kind ? attr : nullptr;
}

} // namespace

// ---- MFnEnumAttribute --------------------------------------------------------------------------

MFnEnumAttribute::MFnEnumAttribute() = default;
MFnEnumAttribute::MFnEnumAttribute(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnEnumAttribute::MFnEnumAttribute(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnEnumAttribute::~MFnEnumAttribute() = default;
MFn::Type MFnEnumAttribute::type() const {
    return MFn::kEnumAttribute;
}

MObject MFnEnumAttribute::create(const MString& fullName, const MString& briefName,
                                 short defaultValue, MStatus* ReturnStatus) {
    fObject = makeAttribute(AttrKind::Enum, fullName, briefName, ReturnStatus);
    if (Attribute* attr = attributeOf(fObject))
        attr->defaultValue = defaultValue;
    return fObject;
}

MStatus MFnEnumAttribute::addField(const MString& fieldString, short index) {
    Attribute* attr = ofKind(fObject, AttrKind::Enum);
    if (!attr || fieldString.length() == 0)
        return MS::kInvalidParameter;
    for (const auto& field : attr->enumFields)
        if (field.first == fieldString.asChar() || field.second == index)
            return MS::kInvalidParameter;
    attr->enumFields.emplace_back(fieldString.asChar(), index);
    return MS::kSuccess;
}

MString MFnEnumAttribute::fieldName(short index, MStatus* ReturnStatus) const {
    if (const Attribute* attr = ofKind(fObject, AttrKind::Enum))
        for (const auto& field : attr->enumFields)
            if (field.second == index) {
                setReturn(ReturnStatus, MS::kSuccess);
                return field.first.c_str();
            }
    setReturn(ReturnStatus, MS::kInvalidParameter);
    return MString();
}

short MFnEnumAttribute::fieldIndex(const MString& fieldString, MStatus* ReturnStatus) const {
    if (const Attribute* attr = ofKind(fObject, AttrKind::Enum))
        for (const auto& field : attr->enumFields)
            if (field.first == fieldString.asChar()) {
                setReturn(ReturnStatus, MS::kSuccess);
                return field.second;
            }
    setReturn(ReturnStatus, MS::kInvalidParameter);
    return 0;
}

MStatus MFnEnumAttribute::getMin(short& minValue) const {
    const Attribute* attr = ofKind(fObject, AttrKind::Enum);
    if (!attr || attr->enumFields.empty())
        return MS::kFailure;
    minValue = std::min_element(attr->enumFields.begin(), attr->enumFields.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; })
                   ->second;
    return MS::kSuccess;
}

MStatus MFnEnumAttribute::getMax(short& maxValue) const {
    const Attribute* attr = ofKind(fObject, AttrKind::Enum);
    if (!attr || attr->enumFields.empty())
        return MS::kFailure;
    maxValue = std::max_element(attr->enumFields.begin(), attr->enumFields.end(),
                                [](const auto& a, const auto& b) { return a.second < b.second; })
                   ->second;
    return MS::kSuccess;
}

MStatus MFnEnumAttribute::setDefault(short index) {
    Attribute* attr = ofKind(fObject, AttrKind::Enum);
    if (!attr)
        return MS::kFailure;
    attr->defaultValue = index;
    return MS::kSuccess;
}

MStatus MFnEnumAttribute::setDefault(const MString& fieldString) {
    MStatus status;
    const short index = fieldIndex(fieldString, &status);
    return status ? setDefault(index) : status;
}

MStatus MFnEnumAttribute::getDefault(short& index) const {
    const Attribute* attr = ofKind(fObject, AttrKind::Enum);
    if (!attr)
        return MS::kFailure;
    index = static_cast<short>(attr->defaultValue);
    return MS::kSuccess;
}

MStatus MFnEnumAttribute::getDefault(MString& fieldString) const {
    short index = 0;
    MStatus status = getDefault(index);
    if (status)
        fieldString = fieldName(index, &status);
    return status;
}

MString MFnEnumAttribute::defaultValue(MStatus* ReturnStatus) const {
    MString field;
    setReturn(ReturnStatus, getDefault(field));
    return field;
}

// ---- MFnTypedAttribute -------------------------------------------------------------------------

MFnTypedAttribute::MFnTypedAttribute() = default;
MFnTypedAttribute::MFnTypedAttribute(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnTypedAttribute::MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnTypedAttribute::~MFnTypedAttribute() = default;
MFn::Type MFnTypedAttribute::type() const {
    return MFn::kTypedAttribute;
}

MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName,
                                  const MTypeId& id, MObject defaultData, MStatus* ReturnStatus) {
    fObject = makeAttribute(AttrKind::Typed, fullName, briefName, ReturnStatus);
    if (Attribute* attr = attributeOf(fObject)) {
        attr->dataType = MFnData::kPlugin;
        attr->dataTypeId = id;
        attr->defaultData = defaultData;
    }
    return fObject;
}

MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName,
                                  MFnData::Type dataType, MObject defaultData,
                                  MStatus* ReturnStatus) {
    fObject = makeAttribute(AttrKind::Typed, fullName, briefName, ReturnStatus);
    if (Attribute* attr = attributeOf(fObject)) {
        attr->dataType = dataType;
        attr->defaultData = defaultData;
    }
    return fObject;
}

MFnData::Type MFnTypedAttribute::attrType(MStatus* ReturnStatus) const {
    const Attribute* attr = ofKind(fObject, AttrKind::Typed);
    setReturn(ReturnStatus, attr != nullptr);
    return attr ? attr->dataType : MFnData::kInvalid;
}

MStatus MFnTypedAttribute::getDefault(MObject& defaultValue) {
    const Attribute* attr = ofKind(fObject, AttrKind::Typed);
    if (!attr)
        return MS::kFailure;
    defaultValue = attr->defaultData;
    return MS::kSuccess;
}

MStatus MFnTypedAttribute::setDefault(const MObject& defaultValue) {
    Attribute* attr = ofKind(fObject, AttrKind::Typed);
    if (!attr)
        return MS::kFailure;
    attr->defaultData = defaultValue;
    return MS::kSuccess;
}

// ---- MFnCompoundAttribute ----------------------------------------------------------------------

MFnCompoundAttribute::MFnCompoundAttribute() = default;
MFnCompoundAttribute::MFnCompoundAttribute(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnCompoundAttribute::MFnCompoundAttribute(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnCompoundAttribute::~MFnCompoundAttribute() = default;
MFn::Type MFnCompoundAttribute::type() const {
    return MFn::kCompoundAttribute;
}

MObject MFnCompoundAttribute::create(const MString& full, const MString& brief,
                                     MStatus* ReturnStatus) {
    fObject = makeAttribute(AttrKind::Compound, full, brief, ReturnStatus);
    return fObject;
}

MStatus MFnCompoundAttribute::addChild(const MObject& child) {
    Attribute* attr = ofKind(fObject, AttrKind::Compound);
    Attribute* kid = attributeOf(child);
    if (!attr || !kid || kid == attr || kid->parent || kid->isAncestorOf(attr))
        return MS::kInvalidParameter;
    for (const MObject& existing : attr->children)
        if (attributeOf(existing)->matchesName(kid->longName) ||
            attributeOf(existing)->matchesName(kid->shortName))
            return MS::kInvalidParameter;
    kid->parent = attr;
    kid->childIndex = static_cast<unsigned int>(attr->children.size());
    attr->children.push_back(child);
    return MS::kSuccess;
}

MStatus MFnCompoundAttribute::removeChild(const MObject& child) {
    Attribute* attr = ofKind(fObject, AttrKind::Compound);
    auto it = attr ? std::find(attr->children.begin(), attr->children.end(), child)
                   : std::vector<MObject>::iterator();
    if (!attr || it == attr->children.end())
        return MS::kInvalidParameter;
    attributeOf(child)->parent = nullptr;
    attr->children.erase(it);
    for (std::size_t k = 0; k < attr->children.size(); ++k)
        attributeOf(attr->children[k])->childIndex = static_cast<unsigned int>(k);
    return MS::kSuccess;
}

unsigned int MFnCompoundAttribute::numChildren(MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    setReturn(ReturnStatus, attr && attr->isCompound());
    return attr ? static_cast<unsigned int>(attr->children.size()) : 0u;
}

MObject MFnCompoundAttribute::child(unsigned int index, MStatus* ReturnStatus) const {
    const Attribute* attr = attributeOf(fObject);
    const bool ok = attr && index < attr->children.size();
    setReturn(ReturnStatus, ok, MS::kInvalidParameter);
    return ok ? attr->children[index] : MObject();
}

// ---- MFnUnitAttribute --------------------------------------------------------------------------

MFnUnitAttribute::MFnUnitAttribute() = default;
MFnUnitAttribute::MFnUnitAttribute(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnUnitAttribute::MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnUnitAttribute::~MFnUnitAttribute() = default;
MFn::Type MFnUnitAttribute::type() const {
    return MFn::kUnitAttribute;
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 MFnUnitAttribute::Type unitType, double defaultValue,
                                 MStatus* ReturnStatus) {
    if (unitType != kAngle && unitType != kDistance && unitType != kTime) {
        setReturn(ReturnStatus, MS::kInvalidParameter);
        return fObject = MObject();
    }
    fObject = makeAttribute(AttrKind::Unit, fullName, briefName, ReturnStatus);
    if (Attribute* attr = attributeOf(fObject)) {
        attr->unitType = unitType;
        attr->defaultValue = defaultValue;
        attr->defaultTime = MTime(defaultValue, MTime::uiUnit());
    }
    return fObject;
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName,
                                 const MTime& defaultValue, MStatus* ReturnStatus) {
    fObject = create(fullName, briefName, kTime, 0.0, ReturnStatus);
    if (Attribute* attr = attributeOf(fObject)) {
        attr->defaultTime = defaultValue;
        attr->defaultValue = defaultValue.as(MTime::uiUnit());
    }
    return fObject;
}

MFnUnitAttribute::Type MFnUnitAttribute::unitType(MStatus* ReturnStatus) const {
    const Attribute* attr = ofKind(fObject, AttrKind::Unit);
    setReturn(ReturnStatus, attr != nullptr);
    return attr ? attr->unitType : kInvalid;
}

MStatus MFnUnitAttribute::getDefault(double& defaultValue) {
    const Attribute* attr = ofKind(fObject, AttrKind::Unit);
    if (!attr)
        return MS::kFailure;
    defaultValue =
        attr->unitType == kTime ? attr->defaultTime.as(MTime::uiUnit()) : attr->defaultValue;
    return MS::kSuccess;
}

MStatus MFnUnitAttribute::getDefault(MTime& defaultValue) {
    const Attribute* attr = ofKind(fObject, AttrKind::Unit);
    if (!attr || attr->unitType != kTime)
        return MS::kFailure;
    defaultValue = attr->defaultTime;
    return MS::kSuccess;
}

MStatus MFnUnitAttribute::setDefault(double defaultValue) {
    Attribute* attr = ofKind(fObject, AttrKind::Unit);
    if (!attr)
        return MS::kFailure;
    attr->defaultValue = defaultValue;
    attr->defaultTime = MTime(defaultValue, MTime::uiUnit());
    return MS::kSuccess;
}

MStatus MFnUnitAttribute::setDefault(const MTime& defaultValue) {
    Attribute* attr = ofKind(fObject, AttrKind::Unit);
    if (!attr || attr->unitType != kTime)
        return MS::kFailure;
    attr->defaultTime = defaultValue;
    attr->defaultValue = defaultValue.as(MTime::uiUnit());
    return MS::kSuccess;
}

bool MFnUnitAttribute::hasMin(MStatus* ReturnStatus) const {
    const Attribute* attr = ofKind(fObject, AttrKind::Unit);
    setReturn(ReturnStatus, attr != nullptr);
    return attr && attr->limits.hasMin;
}

bool MFnUnitAttribute::hasMax(MStatus* ReturnStatus) const {
    const Attribute* attr = ofKind(fObject, AttrKind::Unit);
    setReturn(ReturnStatus, attr != nullptr);
    return attr && attr->limits.hasMax;
}

MStatus MFnUnitAttribute::setMin(double minValue) {
    Attribute* attr = ofKind(fObject, AttrKind::Unit);
    if (!attr)
        return MS::kFailure;
    attr->limits.hasMin = true;
    attr->limits.min = minValue;
    return MS::kSuccess;
}

MStatus MFnUnitAttribute::setMax(double maxValue) {
    Attribute* attr = ofKind(fObject, AttrKind::Unit);
    if (!attr)
        return MS::kFailure;
    attr->limits.hasMax = true;
    attr->limits.max = maxValue;
    return MS::kSuccess;
}

MStatus MFnUnitAttribute::setMin(const MTime& minValue) {
    return setMin(minValue.as(MTime::uiUnit()));
}

MStatus MFnUnitAttribute::setMax(const MTime& maxValue) {
    return setMax(maxValue.as(MTime::uiUnit()));
}

// ---- MFnMatrixAttribute ------------------------------------------------------------------------

MFnMatrixAttribute::MFnMatrixAttribute() = default;
MFnMatrixAttribute::MFnMatrixAttribute(MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnMatrixAttribute::MFnMatrixAttribute(const MObject& object, MStatus* ReturnStatus) {
    setReturn(ReturnStatus, attach(object));
}
MFnMatrixAttribute::~MFnMatrixAttribute() = default;
MFn::Type MFnMatrixAttribute::type() const {
    return MFn::kMatrixAttribute;
}

MObject MFnMatrixAttribute::create(const MString& fullName, const MString& briefName,
                                   Type matrixType, MStatus* ReturnStatus) {
    fObject = makeAttribute(AttrKind::Matrix, fullName, briefName, ReturnStatus);
    if (Attribute* attr = attributeOf(fObject))
        attr->matrixType = matrixType;
    return fObject;
}

MStatus MFnMatrixAttribute::getDefault(MMatrix& defaultValue) {
    const Attribute* attr = ofKind(fObject, AttrKind::Matrix);
    if (!attr)
        return MS::kFailure;
    defaultValue = attr->defaultMatrix;
    return MS::kSuccess;
}

MStatus MFnMatrixAttribute::getDefault(MFloatMatrix& defaultValue) {
    const Attribute* attr = ofKind(fObject, AttrKind::Matrix);
    if (!attr)
        return MS::kFailure;
    defaultValue = MFloatMatrix(attr->defaultMatrix.matrix);
    return MS::kSuccess;
}

MStatus MFnMatrixAttribute::setDefault(const MMatrix& defaultValue) {
    Attribute* attr = ofKind(fObject, AttrKind::Matrix);
    if (!attr)
        return MS::kFailure;
    attr->defaultMatrix = defaultValue;
    return MS::kSuccess;
}

MStatus MFnMatrixAttribute::setDefault(const MFloatMatrix& defaultValue) {
    return setDefault(MMatrix(defaultValue.matrix));
}
