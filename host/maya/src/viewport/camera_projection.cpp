#include "camera_projection.h"

#include <algorithm>
#include <cmath>

namespace hostkit::detail {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kTiny = 1e-6;

double positive(double value, double fallback) {
    return std::isfinite(value) && value > 0 ? value : fallback;
}

} // namespace

CameraLens sanitized(const CameraLens& lens) {
    CameraLens s = lens;
    s.focalLength = positive(lens.focalLength, kTiny);
    s.horizontalFilmAperture = positive(lens.horizontalFilmAperture, kTiny);
    s.verticalFilmAperture = positive(lens.verticalFilmAperture, kTiny);
    s.overscan = positive(lens.overscan, 1.0);
    s.lensSqueezeRatio = positive(lens.lensSqueezeRatio, 1.0);
    s.orthoWidth = positive(lens.orthoWidth, kTiny);
    s.nearClippingPlane = positive(lens.nearClippingPlane, kTiny);
    const double far = std::isfinite(lens.farClippingPlane) ? lens.farClippingPlane : 0.0;
    s.farClippingPlane = std::max(far, s.nearClippingPlane * (1.0 + kTiny) + kTiny);
    return s;
}

bool fitsHorizontally(int filmFit, double filmAspect, double portAspect) {
    switch (filmFit) {
    case 0: // fill: the film covers the whole port
        return portAspect > filmAspect;
    case 2: // vertical
        return false;
    case 3: // overscan: the whole film is visible
        return !(portAspect > filmAspect);
    default: // horizontal, and anything else
        return true;
    }
}

Frustum frustum(const CameraLens& raw, int portWidth, int portHeight) {
    const CameraLens lens = sanitized(raw);
    const double portAspect = double(std::max(portWidth, 1)) / double(std::max(portHeight, 1));
    Frustum f;
    f.orthographic = lens.orthographic;
    f.nearClip = lens.nearClippingPlane;
    f.farClip = lens.farClippingPlane;
    double halfWidth = 0, halfHeight = 0;
    if (lens.orthographic) {
        halfWidth = lens.orthoWidth / 2 * lens.overscan;
        halfHeight = halfWidth / portAspect;
    } else {
        // The squeeze widens what the film records: the desqueezed aperture is what is seen.
        const double filmWidth = lens.horizontalFilmAperture * kMmPerInch * lens.lensSqueezeRatio;
        const double filmHeight = lens.verticalFilmAperture * kMmPerInch;
        if (fitsHorizontally(raw.filmFit, filmWidth / filmHeight, portAspect)) {
            halfWidth = filmWidth / 2;
            halfHeight = halfWidth / portAspect;
        } else {
            halfHeight = filmHeight / 2;
            halfWidth = halfHeight * portAspect;
        }
        const double toNearPlane = lens.overscan * lens.nearClippingPlane / lens.focalLength;
        halfWidth *= toNearPlane;
        halfHeight *= toNearPlane;
    }
    f.left = -halfWidth;
    f.right = halfWidth;
    f.bottom = -halfHeight;
    f.top = halfHeight;
    return f;
}

void projectionMatrix(const Frustum& f, double m[4][4]) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m[r][c] = 0.0;
    const double width = f.right - f.left;
    const double height = f.top - f.bottom;
    const double depth = f.farClip - f.nearClip;
    if (f.orthographic) {
        m[0][0] = 2.0 / width;
        m[1][1] = 2.0 / height;
        m[2][2] = -2.0 / depth;
        m[3][0] = -(f.right + f.left) / width;
        m[3][1] = -(f.top + f.bottom) / height;
        m[3][2] = -(f.farClip + f.nearClip) / depth;
        m[3][3] = 1.0;
    } else {
        m[0][0] = 2.0 * f.nearClip / width;
        m[1][1] = 2.0 * f.nearClip / height;
        m[2][0] = (f.right + f.left) / width;
        m[2][1] = (f.top + f.bottom) / height;
        m[2][2] = -(f.farClip + f.nearClip) / depth;
        m[2][3] = -1.0;
        m[3][2] = -2.0 * f.farClip * f.nearClip / depth;
    }
}

} // namespace hostkit::detail
