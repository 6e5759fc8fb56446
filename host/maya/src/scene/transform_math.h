#pragma once
// The local matrix of a transform node from its channels, in the host's row-vector convention
// (p' = p * M, translation in the last row): M = S * Rx * Ry * Rz * T, so a point is scaled,
// then turned about X, Y and Z in that order (rotate order "xyz"), then moved.

namespace scene {

// Every channel of a transform (or joint) that places its children. Angles in degrees.
struct TransformValues {
    double translate[3] = {0, 0, 0}, rotate[3] = {0, 0, 0}, scale[3] = {1, 1, 1};
    double shear[3] = {0, 0, 0}; // xy, xz, yz
    double rotatePivot[3] = {0, 0, 0}, rotatePivotTranslate[3] = {0, 0, 0};
    double scalePivot[3] = {0, 0, 0}, scalePivotTranslate[3] = {0, 0, 0};
    double rotateAxis[3] = {0, 0, 0};
    int rotateOrder = 0; // 0 xyz, 1 yzx, 2 zxy, 3 xzy, 4 yxz, 5 zyx: the first axis turns first
    bool joint = false;
    double jointOrient[3] = {0, 0, 0}, inverseScale[3] = {1, 1, 1};
};

// Maya's order: a transform scales and shears about its scale pivot, turns by its rotate axis
// and rotation about its rotate pivot, then moves:
//   M = -Sp S Sh Sp Spt -Rp Ra R Rp Rpt T
// A joint ignores the pivots and undoes its parent's scale: M = S Sh Ra R Jo IS^-1 T.
void composeTransform(const TransformValues& values, double out[4][4]);

// Angles (degrees) that rotate in `order` (as TransformValues::rotateOrder) to the rotation
// whose rows are r (row vectors, as composeTransform builds them). At gimbal lock the last
// axis turns by 0.
void eulerDegrees(const double r[3][3], int order, double degrees[3]);

void composeTransform(const double translate[3], const double rotateDegrees[3],
                      const double scale[3], double out[4][4]);

// The channels of a matrix made by composeTransform (no shear). A mirrored matrix gets a
// negative X scale; at +-90 degrees about Y the Z angle is taken as 0.
void decomposeTransform(const double m[4][4], double translate[3], double rotateDegrees[3],
                        double scale[3]);

} // namespace scene
