#pragma once
// Pure camera math of the viewport: the viewing frustum of a camera for a port, as Maya lays it
// out from the camera's film back, and the matching OpenGL projection matrix. No host calls.

namespace hostkit::detail {

// The camera values the projection depends on, as MFnCamera reports them.
struct CameraLens {
    bool orthographic = false;
    double focalLength = 35.0;             // mm
    double horizontalFilmAperture = 1.417; // inches
    double verticalFilmAperture = 0.945;   // inches
    int filmFit = 0; // MFnCamera::FilmFit: fill, horizontal, vertical, overscan
    double overscan = 1.0;
    double lensSqueezeRatio = 1.0;
    double nearClippingPlane = 0.1;
    double farClippingPlane = 10000.0;
    double orthoWidth = 30.0;
};

// Edges of the view volume on the near plane (perspective) or in view units (orthographic).
struct Frustum {
    bool orthographic = false;
    double left = 0, right = 0, bottom = 0, top = 0;
    double nearClip = 0, farClip = 0;
};

// Non-positive or non-finite values are replaced by small positive ones (or 1 for overscan and
// squeeze), so a broken camera gives a degenerate but defined view instead of NaNs.
CameraLens sanitized(const CameraLens& lens);

// Which film dimension fills the port: true for the horizontal aperture. The film aspect is
// compared with the port aspect as the film-fit rule says; values outside 0..3 fit horizontally.
bool fitsHorizontally(int filmFit, double filmAspect, double portAspect);

Frustum frustum(const CameraLens& lens, int portWidth, int portHeight);

// The projection as a row-major matrix for row vectors (Maya's layout): loaded with
// glLoadMatrixd it equals glFrustum / glOrtho of the same frustum.
void projectionMatrix(const Frustum& frustum, double out[4][4]);

// Window depth of viewToWorld's far point: just inside the far plane, so that the point still
// projects inside the clip volume after single-precision transforms.
constexpr double kFarPointDepth = 1.0 - 1.0 / 16384.0;

} // namespace hostkit::detail
