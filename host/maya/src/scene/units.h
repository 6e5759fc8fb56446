#pragma once
// The units MEL values are written in (currentUnit -l / -a) and the attributes they apply to.
// The host keeps distances in centimetres and angles in degrees; a scene saved in other units
// is converted as it is read, and values are written back in the units the scene was read in.
#include <maya/MObject.h>
#include <maya/MTime.h>

#include <string>

namespace scene {

enum class UnitKind { None, Distance, Angle };

// Built-in attributes that hold a distance or an angle; unit attributes say so themselves.
void declareUnit(const MObject& attribute, UnitKind kind);
UnitKind unitKindOf(const MObject& attribute);

struct UiUnits {
    std::string linear = "centimeter", angle = "degree"; // names as currentUnit writes them
    double centimetres = 1.0;                            // per linear unit
    double degrees = 1.0;                                // per angle unit
};
const UiUnits& uiUnits();
// "mm", "millimeter", ... "in", "inch", "ft", "foot", "yd", "yard", "mi", "mile"; false if unknown.
bool setLinearUnit(const std::string& name);
// "deg"/"degree" or "rad"/"radian"; false if unknown.
bool setAngleUnit(const std::string& name);
void resetUiUnits();

// Time units by the names currentUnit -t takes: "film", "ntsc", ... and "NNfps" ("23.976fps";
// "29.97df" for drop frame). False if unknown.
bool timeUnitNamed(const std::string& name, MTime::Unit& unit);
std::string timeUnitName(MTime::Unit unit);

// A value of the kind from UI units to the host's, and back.
double toInternal(UnitKind kind, double value);
double fromInternal(UnitKind kind, double value);

} // namespace scene
