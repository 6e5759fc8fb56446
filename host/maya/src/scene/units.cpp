#include "scene/units.h"

#include "scene/mel_values.h"

#include <maya/MFnUnitAttribute.h>

#include <cmath>
#include <cstdio>

#include <utility>
#include <vector>

namespace scene {

namespace {

std::vector<std::pair<MObject, UnitKind>>& declared() {
    static std::vector<std::pair<MObject, UnitKind>> table;
    return table;
}

UiUnits& mutableUnits() {
    static UiUnits units;
    return units;
}

struct UnitName {
    const char* shortName;
    const char* longName;
    double factor;
};

template <size_t N>
bool setUnit(const UnitName (&names)[N], const std::string& name, std::string& longName,
             double& factor) {
    for (const UnitName& unit : names)
        if (name == unit.shortName || name == unit.longName) {
            longName = unit.longName;
            factor = unit.factor;
            return true;
        }
    return false;
}

} // namespace

void declareUnit(const MObject& attribute, UnitKind kind) {
    declared().emplace_back(attribute, kind);
}

UnitKind unitKindOf(const MObject& attribute) {
    for (const auto& [declaredAttribute, kind] : declared())
        if (declaredAttribute == attribute)
            return kind;
    if (!attribute.hasFn(MFn::kUnitAttribute))
        return UnitKind::None;
    switch (MFnUnitAttribute(attribute).unitType()) {
    case MFnUnitAttribute::kDistance:
        return UnitKind::Distance;
    case MFnUnitAttribute::kAngle:
        return UnitKind::Angle;
    default:
        return UnitKind::None;
    }
}

const UiUnits& uiUnits() {
    return mutableUnits();
}

bool setLinearUnit(const std::string& name) {
    static const UnitName units[] = {{"mm", "millimeter", 0.1}, {"cm", "centimeter", 1.0},
                                     {"m", "meter", 100.0},     {"km", "kilometer", 1.0e5},
                                     {"in", "inch", 2.54},      {"ft", "foot", 30.48},
                                     {"yd", "yard", 91.44},     {"mi", "mile", 160934.4}};
    UiUnits& u = mutableUnits();
    return setUnit(units, name, u.linear, u.centimetres);
}

bool setAngleUnit(const std::string& name) {
    static const UnitName units[] = {{"deg", "degree", 1.0},
                                     {"rad", "radian", 57.295779513082320876798}};
    UiUnits& u = mutableUnits();
    return setUnit(units, name, u.angle, u.degrees);
}

namespace {

const std::pair<const char*, MTime::Unit> kTimeNames[] = {{"game", MTime::kGames},
                                                          {"film", MTime::kFilm},
                                                          {"pal", MTime::kPALFrame},
                                                          {"ntsc", MTime::kNTSCFrame},
                                                          {"show", MTime::kShowScan},
                                                          {"palf", MTime::kPALField},
                                                          {"ntscf", MTime::kNTSCField},
                                                          {"hour", MTime::kHours},
                                                          {"min", MTime::kMinutes},
                                                          {"sec", MTime::kSeconds},
                                                          {"millisec", MTime::kMilliseconds},
                                                          {"29.97df", MTime::k29_97DF}};

double framesPerSecond(MTime::Unit unit) {
    return MTime(1.0, MTime::kSeconds).as(unit);
}

} // namespace

bool timeUnitNamed(const std::string& name, MTime::Unit& unit) {
    for (const auto& [n, u] : kTimeNames)
        if (name == n) {
            unit = u;
            return true;
        }
    double fps = 0;
    const size_t suffix = name.size() >= 3 ? name.size() - 3 : 0;
    if (name.compare(suffix, std::string::npos, "fps") != 0 ||
        !parseDouble(name.substr(0, suffix), fps) || fps <= 0)
        return false;
    for (int u = MTime::kGames; u < MTime::kLast; ++u) {
        const auto candidate = static_cast<MTime::Unit>(u);
        if (candidate != MTime::k29_97DF &&
            std::abs(framesPerSecond(candidate) - fps) < 1e-3 * fps) {
            unit = candidate;
            return true;
        }
    }
    return false;
}

std::string timeUnitName(MTime::Unit unit) {
    for (const auto& [n, u] : kTimeNames)
        if (unit == u)
            return n;
    // Rates as Maya writes them: at most three decimals ("23.976fps", "12fps").
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", framesPerSecond(unit));
    std::string fps = text;
    fps.erase(fps.find_last_not_of('0') + 1);
    if (fps.back() == '.')
        fps.pop_back();
    return fps + "fps";
}

void resetUiUnits() {
    mutableUnits() = UiUnits();
}

double toInternal(UnitKind kind, double value) {
    switch (kind) {
    case UnitKind::Distance:
        return value * uiUnits().centimetres;
    case UnitKind::Angle:
        return value * uiUnits().degrees;
    default:
        return value;
    }
}

double fromInternal(UnitKind kind, double value) {
    switch (kind) {
    case UnitKind::Distance:
        return value / uiUnits().centimetres;
    case UnitKind::Angle:
        return value / uiUnits().degrees;
    default:
        return value;
    }
}

} // namespace scene
