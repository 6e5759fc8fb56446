// The viewport's frustum from camera values: film fit against the port, overscan, squeeze,
// orthographic width, and the matrix OpenGL receives.
#include "viewport/camera_projection.h"

#include <hostkit/gl_canvas.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

using hostkit::detail::CameraLens;
using hostkit::detail::frustum;

namespace {

CameraLens lens35(int filmFit) {
    CameraLens lens; // 35 mm on a 1.417 x 0.945 inch back: film aspect 1.4995
    lens.filmFit = filmFit;
    lens.nearClippingPlane = 1.0;
    return lens;
}

constexpr double kHalfFilmWidth = 1.417 * 25.4 / 2; // mm
constexpr double kHalfFilmHeight = 0.945 * 25.4 / 2;

} // namespace

TEST(CameraProjection, FilmFitDecidesWhichApertureFillsThePort) {
    // 640 x 480 is narrower (1.333) than the film: fill fits vertically, overscan horizontally.
    auto fill = frustum(lens35(0), 640, 480);
    EXPECT_NEAR(fill.top, kHalfFilmHeight / 35, 1e-12);
    EXPECT_NEAR(fill.right, fill.top * 640 / 480, 1e-12);
    auto over = frustum(lens35(3), 640, 480);
    EXPECT_NEAR(over.right, kHalfFilmWidth / 35, 1e-12);
    EXPECT_NEAR(over.top, over.right * 480 / 640, 1e-12);
    // A wide port (2:1) swaps the two.
    EXPECT_NEAR(frustum(lens35(0), 800, 400).right, kHalfFilmWidth / 35, 1e-12);
    EXPECT_NEAR(frustum(lens35(3), 800, 400).top, kHalfFilmHeight / 35, 1e-12);
    // Horizontal and vertical ignore the port; an invalid fit behaves as horizontal.
    EXPECT_NEAR(frustum(lens35(1), 640, 480).right, kHalfFilmWidth / 35, 1e-12);
    EXPECT_NEAR(frustum(lens35(2), 800, 400).top, kHalfFilmHeight / 35, 1e-12);
    EXPECT_NEAR(frustum(lens35(4), 640, 480).right, kHalfFilmWidth / 35, 1e-12);
    EXPECT_DOUBLE_EQ(fill.left, -fill.right);
    EXPECT_DOUBLE_EQ(fill.bottom, -fill.top);
}

TEST(CameraProjection, OverscanAndSqueezeWidenTheView) {
    CameraLens lens = lens35(1);
    const double plain = frustum(lens, 640, 480).right;
    lens.overscan = 1.1;
    EXPECT_NEAR(frustum(lens, 640, 480).right, plain * 1.1, 1e-12);
    lens.overscan = 1.0;
    lens.lensSqueezeRatio = 2.0;
    EXPECT_NEAR(frustum(lens, 640, 480).right, plain * 2.0, 1e-12);
}

TEST(CameraProjection, OrthographicWidthSpansThePortWidth) {
    CameraLens lens;
    lens.orthographic = true;
    lens.orthoWidth = 30;
    const auto f = frustum(lens, 300, 100);
    EXPECT_DOUBLE_EQ(f.right, 15);
    EXPECT_DOUBLE_EQ(f.top, 5);
}

TEST(CameraProjection, BrokenCameraValuesGiveAFiniteView) {
    CameraLens lens;
    lens.focalLength = 0;
    lens.verticalFilmAperture = -1;
    lens.overscan = std::nan("");
    lens.nearClippingPlane = 5;
    lens.farClippingPlane = 1;
    const auto f = frustum(lens, 0, 0);
    double m[4][4];
    hostkit::detail::projectionMatrix(f, m);
    for (auto& row : m)
        for (double v : row)
            EXPECT_TRUE(std::isfinite(v));
    EXPECT_GT(f.farClip, f.nearClip);
}

TEST(CameraProjection, MatrixIsWhatOpenGLBuildsForTheSameFrustum) {
    hostkit::GlCanvas canvas(4, 4);
    for (bool ortho : {false, true}) {
        hostkit::detail::Frustum f;
        f.orthographic = ortho;
        f.left = -0.3;
        f.right = 0.5;
        f.bottom = -0.2;
        f.top = 0.25;
        f.nearClip = 0.1;
        f.farClip = 1000;
        double ours[4][4];
        hostkit::detail::projectionMatrix(f, ours);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        if (ortho)
            glOrtho(f.left, f.right, f.bottom, f.top, f.nearClip, f.farClip);
        else
            glFrustum(f.left, f.right, f.bottom, f.top, f.nearClip, f.farClip);
        double gl[16];
        glGetDoublev(GL_PROJECTION_MATRIX, gl);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(ours[i / 4][i % 4], gl[i], 1e-6 * std::fabs(gl[i]) + 1e-9)
                << (ortho ? "ortho " : "perspective ") << i;
    }
}
