#pragma once
// A time value in a unit. Frames of film (24 fps) are the default UI unit.
#include <maya/MStatus.h>
#include <iosfwd>

class MTime {
public:
    enum Unit {
        kInvalid,
        kHours,
        kMinutes,
        kSeconds,
        kMilliseconds,
        kGames,
        k15FPS = kGames,
        kFilm,
        k24FPS = kFilm,
        kPALFrame,
        k25FPS = kPALFrame,
        kNTSCFrame,
        k30FPS = kNTSCFrame,
        kShowScan,
        k48FPS = kShowScan,
        kPALField,
        k50FPS = kPALField,
        kNTSCField,
        k60FPS = kNTSCField,
        k2FPS,
        k3FPS,
        k4FPS,
        k5FPS,
        k6FPS,
        k8FPS,
        k10FPS,
        k12FPS,
        k16FPS,
        k20FPS,
        k40FPS,
        k75FPS,
        k80FPS,
        k100FPS,
        k120FPS,
        k125FPS,
        k150FPS,
        k200FPS,
        k240FPS,
        k250FPS,
        k300FPS,
        k375FPS,
        k400FPS,
        k500FPS,
        k600FPS,
        k750FPS,
        k1200FPS,
        k1500FPS,
        k2000FPS,
        k3000FPS,
        k6000FPS,
        k23_976FPS,
        k29_97FPS,
        k29_97DF,
        k47_952FPS,
        k59_94FPS,
        k44100FPS,
        k48000FPS,
        k90FPS,
        kUserDef,
        kLast
    };

    MTime();
    MTime(const MTime& src) = default;
    MTime(double time_val, Unit unit = kFilm);
    ~MTime() = default;
    MTime& operator=(const MTime& src) = default;

    Unit unit() const;
    double value() const;
    MStatus setUnit(Unit new_unit);
    MStatus setValue(double new_value);
    double as(Unit other_unit) const;
    double asUnits(Unit other_unit) const;

    MTime operator+(const MTime& right) const;
    MTime operator+(double right) const;
    MTime& operator+=(const MTime& right);
    MTime& operator+=(double right);
    MTime operator-(const MTime& right) const;
    MTime operator-(double right) const;
    MTime& operator-=(const MTime& right);
    MTime& operator-=(double right);
    MTime operator*(double right) const;
    MTime& operator*=(double right);
    MTime operator/(double right) const;
    MTime& operator/=(double right);
    bool operator==(const MTime& rhs) const;
    bool operator!=(const MTime& rhs) const;
    bool operator<(const MTime& rhs) const;
    bool operator>(const MTime& rhs) const;
    bool operator<=(const MTime& rhs) const;
    bool operator>=(const MTime& rhs) const;

    // The unit the user interface (and MAnimControl) works in.
    static Unit uiUnit();
    static MStatus setUIUnit(Unit new_unit);

    friend std::ostream& operator<<(std::ostream& os, const MTime& t);

private:
    double fValue;
    Unit fUnit;
};
