// MTime and MDGContext. Times compare in whole ticks (141120000 per second), so the same
// instant in different units is equal.
#include <maya/MDGContext.h>
#include <maya/MTime.h>

#include <cmath>
#include <ostream>

namespace {

double framesPerSecond(MTime::Unit unit) {
    switch (unit) {
    case MTime::kHours:
        return 1.0 / 3600.0;
    case MTime::kMinutes:
        return 1.0 / 60.0;
    case MTime::kSeconds:
        return 1.0;
    case MTime::kMilliseconds:
        return 1000.0;
    case MTime::kGames:
        return 15.0;
    case MTime::kFilm:
        return 24.0;
    case MTime::kPALFrame:
        return 25.0;
    case MTime::kNTSCFrame:
        return 30.0;
    case MTime::kShowScan:
        return 48.0;
    case MTime::kPALField:
        return 50.0;
    case MTime::kNTSCField:
        return 60.0;
    case MTime::k2FPS:
        return 2.0;
    case MTime::k3FPS:
        return 3.0;
    case MTime::k4FPS:
        return 4.0;
    case MTime::k5FPS:
        return 5.0;
    case MTime::k6FPS:
        return 6.0;
    case MTime::k8FPS:
        return 8.0;
    case MTime::k10FPS:
        return 10.0;
    case MTime::k12FPS:
        return 12.0;
    case MTime::k16FPS:
        return 16.0;
    case MTime::k20FPS:
        return 20.0;
    case MTime::k40FPS:
        return 40.0;
    case MTime::k75FPS:
        return 75.0;
    case MTime::k80FPS:
        return 80.0;
    case MTime::k100FPS:
        return 100.0;
    case MTime::k120FPS:
        return 120.0;
    case MTime::k125FPS:
        return 125.0;
    case MTime::k150FPS:
        return 150.0;
    case MTime::k200FPS:
        return 200.0;
    case MTime::k240FPS:
        return 240.0;
    case MTime::k250FPS:
        return 250.0;
    case MTime::k300FPS:
        return 300.0;
    case MTime::k375FPS:
        return 375.0;
    case MTime::k400FPS:
        return 400.0;
    case MTime::k500FPS:
        return 500.0;
    case MTime::k600FPS:
        return 600.0;
    case MTime::k750FPS:
        return 750.0;
    case MTime::k1200FPS:
        return 1200.0;
    case MTime::k1500FPS:
        return 1500.0;
    case MTime::k2000FPS:
        return 2000.0;
    case MTime::k3000FPS:
        return 3000.0;
    case MTime::k6000FPS:
        return 6000.0;
    case MTime::k23_976FPS:
        return 24000.0 / 1001.0;
    case MTime::k29_97FPS:
        return 30000.0 / 1001.0;
    case MTime::k29_97DF:
        return 30000.0 / 1001.0;
    case MTime::k47_952FPS:
        return 48000.0 / 1001.0;
    case MTime::k59_94FPS:
        return 60000.0 / 1001.0;
    case MTime::k44100FPS:
        return 44100.0;
    case MTime::k48000FPS:
        return 48000.0;
    case MTime::k90FPS:
        return 90.0;
    default:
        return 0.0;
    }
}

bool valid(MTime::Unit unit) {
    return framesPerSecond(unit) > 0.0;
}

double seconds(const MTime& t) {
    const double fps = framesPerSecond(t.unit());
    return fps > 0.0 ? t.value() / fps : 0.0;
}

long long ticks(const MTime& t) {
    return std::llround(seconds(t) * 141120000.0);
}

MTime::Unit& uiUnitStorage() {
    static MTime::Unit unit = MTime::kFilm;
    return unit;
}

} // namespace

MTime::MTime() : fValue(0.0), fUnit(kFilm) {}
MTime::MTime(double time_val, Unit unit) : fValue(time_val), fUnit(valid(unit) ? unit : kFilm) {}

MTime::Unit MTime::unit() const {
    return fUnit;
}
double MTime::value() const {
    return fValue;
}

MStatus MTime::setUnit(Unit new_unit) {
    if (!valid(new_unit))
        return MS::kInvalidParameter;
    // Same instant, expressed in the new unit.
    fValue = as(new_unit);
    fUnit = new_unit;
    return MS::kSuccess;
}

MStatus MTime::setValue(double new_value) {
    fValue = new_value;
    return MS::kSuccess;
}

double MTime::as(Unit other_unit) const {
    return seconds(*this) * framesPerSecond(other_unit);
}
double MTime::asUnits(Unit other_unit) const {
    return as(other_unit);
}

MTime MTime::operator+(const MTime& right) const {
    return MTime(fValue + right.as(fUnit), fUnit);
}
MTime MTime::operator+(double right) const {
    return MTime(fValue + right, fUnit);
}
MTime& MTime::operator+=(const MTime& right) {
    return *this = *this + right;
}
MTime& MTime::operator+=(double right) {
    return *this = *this + right;
}
MTime MTime::operator-(const MTime& right) const {
    return MTime(fValue - right.as(fUnit), fUnit);
}
MTime MTime::operator-(double right) const {
    return MTime(fValue - right, fUnit);
}
MTime& MTime::operator-=(const MTime& right) {
    return *this = *this - right;
}
MTime& MTime::operator-=(double right) {
    return *this = *this - right;
}
MTime MTime::operator*(double right) const {
    return MTime(fValue * right, fUnit);
}
MTime& MTime::operator*=(double right) {
    return *this = *this * right;
}
MTime MTime::operator/(double right) const {
    return MTime(fValue / right, fUnit);
}
MTime& MTime::operator/=(double right) {
    return *this = *this / right;
}
bool MTime::operator==(const MTime& rhs) const {
    return ticks(*this) == ticks(rhs);
}
bool MTime::operator!=(const MTime& rhs) const {
    return !(*this == rhs);
}
bool MTime::operator<(const MTime& rhs) const {
    return ticks(*this) < ticks(rhs);
}
bool MTime::operator>(const MTime& rhs) const {
    return ticks(*this) > ticks(rhs);
}
bool MTime::operator<=(const MTime& rhs) const {
    return !(*this > rhs);
}
bool MTime::operator>=(const MTime& rhs) const {
    return !(*this < rhs);
}

MTime::Unit MTime::uiUnit() {
    return uiUnitStorage();
}

MStatus MTime::setUIUnit(Unit new_unit) {
    if (!valid(new_unit))
        return MS::kInvalidParameter;
    uiUnitStorage() = new_unit;
    return MS::kSuccess;
}

std::ostream& operator<<(std::ostream& os, const MTime& t) {
    return os << t.value();
}

// ---- MDGContext --------------------------------------------------------------------------------

MDGContext MDGContext::fsNormal;

MDGContext::MDGContext() : fNormal(true) {}
MDGContext::MDGContext(const MTime& when) : fNormal(false), fTime(when) {}
MDGContext::MDGContext(const MDGContext& in) = default;
MDGContext::~MDGContext() = default;
MDGContext& MDGContext::operator=(const MDGContext& other) = default;

bool MDGContext::isNormal(MStatus* ReturnStatus) const {
    if (ReturnStatus)
        *ReturnStatus = MS::kSuccess;
    return fNormal;
}

MStatus MDGContext::getTime(MTime& outTime) const {
    if (fNormal)
        return MS::kFailure;
    outTime = fTime;
    return MS::kSuccess;
}

// Only the normal context is ever current: the stand-in evaluates at the scene's time.
bool MDGContext::isCurrent(MStatus* ReturnStatus) const {
    return isNormal(ReturnStatus);
}

const MDGContext MDGContext::current() {
    return MDGContext();
}
