#pragma once
// The local matrix of a transform node from its channels, in the host's row-vector convention
// (p' = p * M, translation in the last row): M = S * Rx * Ry * Rz * T, so a point is scaled,
// then turned about X, Y and Z in that order (rotate order "xyz"), then moved.

namespace scene {

void composeTransform(const double translate[3], const double rotateDegrees[3],
                      const double scale[3], double out[4][4]);

} // namespace scene
