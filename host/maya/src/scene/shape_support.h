#pragma once
// What the host's geometry shapes (mesh, nurbsCurve) share: typed geometry attributes and the
// world-space output, which the host evaluates on every read from the shape's local output
// and its current world matrix.
#include <maya/MFnData.h>
#include <maya/MFnNumericData.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>

#include <initializer_list>

namespace scene {

// A typed attribute of geometry data. Inputs are storable; outputs are computed, not stored.
MObject createGeometryAttribute(const char* longName, const char* shortName, MFnData::Type type,
                                bool output, bool array = false);

// An array of numeric compounds with children named as Maya names them ("vrts": vrtx vrty
// vrtz); two or three children of `type`.
MObject createNumericArray(const char* longName, const char* shortName,
                           std::initializer_list<const char*> children, MFnNumericData::Type type);

// Makes `worldAttribute` (an array) read as element 0 = a copy of `localAttribute`'s data
// carrying the shape's world matrix.
void installWorldGeometry(const MObject& worldAttribute, const MObject& localAttribute);

// The data object a plug holds, or null.
template <class T> T* plugData(const MPlug& plug, MObject& holder);

} // namespace scene

#include "core/internal.h"

namespace scene {

template <class T> T* plugData(const MPlug& plug, MObject& holder) {
    holder = plug.asMObject();
    return mcore::dataObject<T>(holder);
}

} // namespace scene
