#pragma once
// The local matrix of a transform node from its channels, in the host's row-vector convention
// (p' = p * M, translation in the last row): M = S * Rx * Ry * Rz * T, so a point is scaled,
// then turned about X, Y and Z in that order (rotate order "xyz"), then moved.

namespace scene {

void composeTransform(const double translate[3], const double rotateDegrees[3],
                      const double scale[3], double out[4][4]);

// The channels of a matrix made by composeTransform (no shear). A mirrored matrix gets a
// negative X scale; at +-90 degrees about Y the Z angle is taken as 0.
void decomposeTransform(const double m[4][4], double translate[3], double rotateDegrees[3],
                        double scale[3]);

} // namespace scene
