#pragma once
// The host's "camera" shape, with Maya's attribute names and defaults: a 35 mm lens on a
// 1.41732 x 0.94488 inch film back fitted horizontally.
#include <maya/MObject.h>
#include <maya/MPxNode.h>

namespace scene {

class CameraShape : public MPxNode {
public:
    static MObject focalLength, cameraAperture, horizontalFilmAperture, verticalFilmAperture,
        filmFit, overscan, lensSqueezeRatio, nearClipPlane, farClipPlane, orthographic,
        orthographicWidth, centerOfInterest, renderable;

    static void* creator();
    static MStatus initialize();
};

void registerCameraType();

} // namespace scene
