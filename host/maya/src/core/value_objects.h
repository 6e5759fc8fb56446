#pragma once
// Stored values as MObjects (typed data, numeric compounds as numeric data, matrices as
// matrix data) and back.
#include "internal.h"
#include "value.h"

#include <maya/MObject.h>

namespace mcore {

MObject objectFromValue(const Value& value);
bool valueFromObject(Value& value, const MObject& object);
// Whether a typed attribute takes this data.
bool acceptsData(const Attribute& attr, const DataObject& data);

} // namespace mcore
