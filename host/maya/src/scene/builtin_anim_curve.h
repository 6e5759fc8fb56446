#pragma once
// Keyed animation: "animCurveTL" (distances), "animCurveTA" (angles, in degrees like the
// rotate channels) and "animCurveTU" (plain numbers). Each holds keys as (time, value) pairs
// in "keyTimeValue" and outputs, on "output", its value at the current time (or at "input"
// when something feeds it): linear between keys, the first or last value outside them.
// "tangentType" and "weightedTangents" are kept for scene files; tangents are always linear.
#include <maya/MObject.h>
#include <maya/MPxNode.h>

#include <string>
#include <utility>
#include <vector>

namespace scene {

class AnimCurve : public MPxNode {
public:
    static MObject input, output, keyTimeValue, keyTime, keyValue, tangentType, weightedTangents;

    static void* creator();
    static MStatus initialize();
    MStatus compute(const MPlug& plug, MDataBlock& block) override;
};

// Value of keys (time, value) at a time; 0 without keys.
double evaluateKeys(std::vector<std::pair<double, double>> keys, double time);

void registerAnimCurveTypes();
// Tells every curve that reads the current time that it changed.
void animCurvesTimeChanged();
// Keys `plug` at `time` with `value`, creating and connecting a curve when none feeds it yet.
MStatus setKey(const MPlug& plug, double time, double value, std::string& error);

} // namespace scene
