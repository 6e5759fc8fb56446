#include "data_objects.h"

namespace mcore {

MObject makeDataObject(std::shared_ptr<DataObject> data) {
    if (!data)
        return MObject();
    return MObjectAccess::make(new DataHolder(std::move(data)));
}

DataObject* dataObjectOf(const MObject& object) {
    DataHolder* holder = objectAs<DataHolder>(object);
    return holder ? holder->data.get() : nullptr;
}

MObject cloneData(const MObject& object) {
    const DataObject* data = dataObjectOf(object);
    return data ? makeDataObject(data->clone()) : MObject();
}

unsigned int NumericData::componentCount(MFnNumericData::Type type) {
    switch (type) {
    case MFnNumericData::k2Short:
    case MFnNumericData::k2Int:
    case MFnNumericData::k2Float:
    case MFnNumericData::k2Double:
        return 2;
    case MFnNumericData::k3Short:
    case MFnNumericData::k3Int:
    case MFnNumericData::k3Float:
    case MFnNumericData::k3Double:
        return 3;
    case MFnNumericData::k4Double:
        return 4;
    case MFnNumericData::kInvalid:
    case MFnNumericData::kLast:
        return 0;
    default:
        return 1;
    }
}

} // namespace mcore
