#pragma once
// The reticle's OpenGL primitives: flat shapes in viewport pixels at depth -nearClip, drawn over
// everything. Colours carry a transparency in alpha, sent to OpenGL as 1 - transparency.
#include "reticlePicture.h"

void drawLine(const ReticleLine& line, double nearClip);

// The frame's four corners; closed as a loop, else only the bottom and top edges.
void drawFrameOutline(const ReticleOutline& outline, double nearClip);

void drawMask(const ReticleMask& mask, double nearClip);
