// The reticle's frame geometry and text placement as plain functions.
#include "reticleGeometry.h"
#include "reticleTextLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const ReticleFrame kHdWindow = windowFrameOf(1920, 1080);

CameraFilm fit(int filmFit, double overscan = 1.0, double squeeze = 1.0) {
    CameraFilm camera;
    camera.horizontalAperture = 1.417;
    camera.verticalAperture = 0.945;
    camera.filmFit = filmFit;
    camera.overscan = overscan;
    camera.lensSqueezeRatio = squeeze;
    return camera;
}

void expectEdges(const ReticleFrame& frame, double left, double right, double bottom, double top) {
    EXPECT_NEAR(frame.left, left, 0.01);
    EXPECT_NEAR(frame.right, right, 0.01);
    EXPECT_NEAR(frame.bottom, bottom, 0.01);
    EXPECT_NEAR(frame.top, top, 0.01);
}
} // namespace

TEST(ReticleFilmFrame, FitsTheGateToThePortAsTheCameraSays) {
    const FilmbackState settings; // 1.778 x 1.0
    // Port aspect 1.7778 is not above 1.778: fill fits vertically, overscan horizontally.
    const FilmbackState fill = computeFilmFrame(settings, fit(0), kHdWindow);
    expectEdges(fill.filmFrame, 960 - 960.12, 960 + 960.12, 0, 1080);
    EXPECT_NEAR(fill.filmFrame.extentX, 1920.24, 1e-9);
    EXPECT_TRUE(fill.filmFrame.valid);
    EXPECT_EQ(fill.guideFrame.left, fill.filmFrame.left);
    EXPECT_EQ(fill.guideFrame.top, fill.filmFrame.top);

    const FilmbackState over = computeFilmFrame(settings, fit(3), kHdWindow);
    EXPECT_NEAR(over.filmFrame.extentX, 1920, 1e-9);
    EXPECT_NEAR(over.filmFrame.extentY, 1920 / 1.778, 1e-9);
    // Horizontal, invalid and unknown fits all fit the width.
    for (int filmFit : {1, 4, 7, -1})
        EXPECT_NEAR(computeFilmFrame(settings, fit(filmFit), kHdWindow).filmFrame.extentX, 1920,
                    1e-9)
            << filmFit;
    EXPECT_NEAR(computeFilmFrame(settings, fit(2), kHdWindow).filmFrame.extentY, 1080, 1e-9);

    // Fill covers the port, overscan shows the whole gate inside it.
    const ReticleFrame square = windowFrameOf(800, 800);
    EXPECT_NEAR(computeFilmFrame(settings, fit(0), square).filmFrame.extentY, 800, 1e-9);
    EXPECT_NEAR(computeFilmFrame(settings, fit(3), square).filmFrame.extentX, 800, 1e-9);
    const ReticleFrame wide = windowFrameOf(1000, 200);
    EXPECT_NEAR(computeFilmFrame(settings, fit(0), wide).filmFrame.extentX, 1000, 1e-9);
    EXPECT_NEAR(computeFilmFrame(settings, fit(3), wide).filmFrame.extentY, 200, 1e-9);
}

TEST(ReticleFilmFrame, OverscanShrinksSqueezeWidensAndMinusOneTakesTheCameraApertures) {
    const FilmbackState settings;
    const FilmbackState over = computeFilmFrame(settings, fit(1, 1.1), kHdWindow);
    EXPECT_NEAR(over.filmFrame.extentX, 1920 / 1.1, 1e-9);
    EXPECT_NEAR(over.filmFrame.extentY, 1920 / 1.1 / 1.778, 1e-9);
    EXPECT_NEAR(computeFilmFrame(settings, fit(2, 1.1), kHdWindow).filmFrame.extentY, 1080 / 1.1,
                1e-9);
    const FilmbackState squeezed = computeFilmFrame(settings, fit(1, 1.0, 2.0), kHdWindow);
    EXPECT_NEAR(squeezed.filmFrame.extentX, 3840, 1e-9);
    EXPECT_NEAR(squeezed.filmFrame.extentY, 1920 / 1.778, 1e-9);
    EXPECT_NEAR(squeezed.filmFrame.left, 960 - 1920, 1e-9);

    FilmbackState fromCamera;
    fromCamera.horizontalAperture = -1.0;
    fromCamera.verticalAperture = 5.0; // ignored: only the horizontal value is tested
    const FilmbackState film = computeFilmFrame(fromCamera, fit(1), kHdWindow);
    EXPECT_DOUBLE_EQ(film.horizontalAperture, 1.417);
    EXPECT_DOUBLE_EQ(film.verticalAperture, 0.945);
    EXPECT_NEAR(film.filmFrame.extentY, 1920 * 0.945 / 1.417, 1e-9);
    fromCamera.horizontalAperture = -1.0001;
    EXPECT_DOUBLE_EQ(computeFilmFrame(fromCamera, fit(1), kHdWindow).horizontalAperture, -1.0001);
}

TEST(ReticleAspectFrames, SpanTheGateWidthWithSafeFramesInset) {
    const FilmbackState film = computeFilmFrame(FilmbackState(), fit(1), kHdWindow);
    AspectRatioEntry entry;
    entry.ratio = 1.85;
    entry.displayMode = kAspectLines;
    entry.safeAction = entry.safeTitle = true;
    entry.frame.lineColor = MColor(0.1f, 0.2f, 0.3f, 0.4f);
    computeAspectFrames(entry, film.guideFrame, kHdWindow);
    EXPECT_NEAR(entry.frame.extentY, 1037.84, 0.005);
    expectEdges(entry.frame, 0, 1920, 540 - 518.92, 540 + 518.92);
    EXPECT_TRUE(entry.frame.valid);

    const ReticleFrame& action = entry.safeActionFrame;
    EXPECT_NEAR(action.extentX, 96, 1e-9);
    EXPECT_NEAR(action.extentY, 51.89, 0.005);
    expectEdges(action, 96, 1824, entry.frame.bottom + 51.89, entry.frame.top - 51.89);
    EXPECT_TRUE(action.valid);
    EXPECT_EQ(action.lineColor, entry.frame.lineColor);
    EXPECT_NEAR(entry.safeTitleFrame.extentX, 192, 1e-9);
    EXPECT_NEAR(entry.safeTitleFrame.extentY, 103.78, 0.005);
    EXPECT_NEAR(entry.safeTitleFrame.left, 192, 1e-9);

    // Without the flags the safe frames are not valid, even after an earlier draw made them.
    entry.safeAction = entry.safeTitle = false;
    computeAspectFrames(entry, film.guideFrame, kHdWindow);
    EXPECT_FALSE(entry.safeActionFrame.valid);
    EXPECT_FALSE(entry.safeTitleFrame.valid);

    // A hidden entry still has edges for its neighbours but is no text reference.
    AspectRatioEntry hidden;
    hidden.ratio = 2.0;
    hidden.safeAction = true;
    computeAspectFrames(hidden, film.guideFrame, kHdWindow);
    EXPECT_NEAR(hidden.frame.top - hidden.frame.bottom, 960, 1e-9);
    EXPECT_FALSE(hidden.frame.valid);
    EXPECT_FALSE(hidden.safeActionFrame.valid);

    AspectRatioEntry entries[] = {hidden, entry};
    EXPECT_EQ(&thirdsReference(entries, 2, kHdWindow), &entries[0].frame);
    EXPECT_EQ(&thirdsReference(entries, 0, kHdWindow), &kHdWindow);
}

TEST(ReticleTextLayout, AnchorsPlacementAndAlignment) {
    const ReticleFrame window = windowFrameOf(640, 480);
    TextAnchor anchor;
    // At the port's left edge the anchor moves in by one pixel, then the offset applies.
    ASSERT_TRUE(anchorText(window, kLevelWindow, 0, 10, 10, anchor));
    EXPECT_EQ(anchor.placement, kPlaceAbove);
    TextOrigin origin = alignText(anchor, 50, kAlignLeft, fontHeight(0));
    EXPECT_EQ(origin.x, 11);
    EXPECT_EQ(origin.y, 13);

    ASSERT_TRUE(anchorText(window, kLevelWindow, 8, 0, 0, anchor));
    EXPECT_EQ(anchor.placement, kPlaceBelow);
    origin = alignText(anchor, 57, kAlignRight, fontHeight(2));
    EXPECT_EQ(origin.x, 640 - 57);
    EXPECT_EQ(origin.y, 480 - 18);

    // Every anchor of the nine, and the placement by level: text stays inside the window and
    // film gate but sits outside an aspect frame's top and bottom edges.
    ReticleFrame frame;
    frame.left = 100;
    frame.right = 300;
    frame.bottom = 50;
    frame.top = 150;
    const double xs[] = {100, 200, 300}, ys[] = {50, 100, 150};
    for (int posRel = 0; posRel < 9; ++posRel) {
        SCOPED_TRACE(posRel);
        for (int level : {kLevelWindow, kLevelFilmback, kLevelAspectRatio}) {
            ASSERT_TRUE(anchorText(frame, level, posRel, 0.5, -0.5, anchor));
            EXPECT_EQ(anchor.x, xs[posRel % 3] + 0.5);
            EXPECT_EQ(anchor.y, ys[posRel / 3] - 0.5);
            const int belowRow = level == kLevelAspectRatio ? 0 : 2;
            EXPECT_EQ(anchor.placement, posRel / 3 == belowRow ? kPlaceBelow : kPlaceAbove);
        }
    }
    EXPECT_FALSE(anchorText(frame, kLevelWindow, 9, 0, 0, anchor));
    EXPECT_FALSE(anchorText(frame, kLevelWindow, -1, 0, 0, anchor));

    // Centring halves the width in whole pixels, then the position is truncated.
    anchor = TextAnchor{200.2, 100.9, kPlaceBelow};
    origin = alignText(anchor, 51, kAlignCenter, fontHeight(1));
    EXPECT_EQ(origin.x, 175); // 200.2 - 25, not 200.2 - 25.5
    EXPECT_EQ(origin.y, 88);
    EXPECT_EQ(fontHeight(3), 0);
    EXPECT_EQ(fontHeight(-1), 0);
}

TEST(ReticleTextLayout, PositionsOutOfRangeAreNeverWrappedOntoThePort) {
    // An aspect ratio of 0 makes a frame of infinite height: its middle and top have no pixel.
    ReticleFrame endless = windowFrameOf(640, 480);
    endless.bottom = -INFINITY;
    endless.top = INFINITY;
    TextAnchor anchor;
    EXPECT_FALSE(anchorText(endless, kLevelAspectRatio, 0, 0, 0, anchor));
    EXPECT_FALSE(anchorText(endless, kLevelAspectRatio, 4, 0, 0, anchor));
    EXPECT_FALSE(anchorText(windowFrameOf(640, 480), kLevelWindow, 0, INFINITY, 0, anchor));

    // The view's pixels are shorts: 65636 would come back as 100, on the port.
    anchor = TextAnchor{65636, -1e30, kPlaceAbove};
    const TextOrigin origin = alignText(anchor, 20, kAlignLeft, fontHeight(0));
    EXPECT_EQ(origin.x, kMaxTextPixel);
    EXPECT_EQ(origin.y, kMinTextPixel);
    EXPECT_EQ(alignText(TextAnchor{1e30, 5, kPlaceAbove}, 0, kAlignLeft, 10).x, kMaxTextPixel);
}
