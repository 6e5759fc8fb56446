#include "value_objects.h"

#include "data_objects.h"

namespace mcore {

bool acceptsData(const Attribute& attr, const DataObject& data) {
    return attr.dataType == MFnData::kAny || attr.dataType == MFnData::kInvalid ||
           data.dataType() == attr.dataType;
}

MObject objectFromValue(const Value& value) {
    if (value.arrayLevel)
        return MObject();
    const Attribute& attr = *value.attr;
    if (attr.isNumericCompound()) {
        auto numeric = std::make_shared<NumericData>();
        numeric->numericType = attr.numericType;
        for (std::size_t k = 0; k < value.children.size() && k < 4; ++k)
            numeric->values[k] = numericValue(*value.children[k]);
        return makeDataObject(numeric);
    }
    switch (leafKind(attr)) {
    case LeafKind::Data:
        return value.data;
    case LeafKind::Matrix:
    case LeafKind::FloatMatrix: {
        auto matrix = std::make_shared<MatrixData>();
        matrix->matrix = leafKind(attr) == LeafKind::Matrix ? value.m : MMatrix(value.fm.matrix);
        return makeDataObject(matrix);
    }
    default:
        return MObject();
    }
}

bool valueFromObject(Value& value, const MObject& object) {
    if (value.arrayLevel)
        return false;
    const Attribute& attr = *value.attr;
    DataObject* data = dataObjectOf(object);
    if (attr.isNumericCompound()) {
        auto* numeric = dynamic_cast<NumericData*>(data);
        if (!numeric || NumericData::componentCount(numeric->numericType) != value.children.size())
            return false;
        for (std::size_t k = 0; k < value.children.size(); ++k)
            setNumeric(*value.children[k], numeric->values[k]);
        return true;
    }
    switch (leafKind(attr)) {
    case LeafKind::Data:
        if (object.isNull()) {
            value.data = MObject();
            return true;
        }
        if (!data || !acceptsData(attr, *data))
            return false;
        value.data = object;
        return true;
    case LeafKind::Matrix:
    case LeafKind::FloatMatrix: {
        auto* matrix = dynamic_cast<MatrixData*>(data);
        if (!matrix)
            return false;
        value.m = matrix->matrix;
        value.fm = MFloatMatrix(matrix->matrix.matrix);
        return true;
    }
    default:
        return false;
    }
}

} // namespace mcore
