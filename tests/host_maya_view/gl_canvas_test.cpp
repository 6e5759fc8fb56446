// The offscreen surface: pixels come back top row first, feedback gives exact window
// coordinates, and a failed or overflowing capture behaves.
#include <hostkit/gl_canvas.h>

#include <GL/gl.h>
#include <GL/glut.h>
#include <gtest/gtest.h>

using hostkit::FeedbackRecord;
using hostkit::GlCanvas;

namespace {

// Pixel-exact 2D projection: one unit is one pixel, origin at the bottom-left.
void pixelProjection(const GlCanvas& canvas) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, canvas.width(), 0, canvas.height(), -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace

TEST(GlCanvas, ReadBackPutsTheTopRowFirst) {
    GlCanvas canvas(8, 6);
    canvas.clear(0, 0, 1);
    pixelProjection(canvas);
    glColor4f(1, 0, 0, 1);
    glRecti(0, 3, 8, 6); // the upper half in GL's bottom-up coordinates
    const quillomar::Image image = canvas.image();
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 6);
    EXPECT_EQ(image.pixel(4, 0)[0], 255);
    EXPECT_EQ(image.pixel(4, 0)[2], 0);
    EXPECT_EQ(image.pixel(4, 5)[0], 0);
    EXPECT_EQ(image.pixel(4, 5)[2], 255);
    EXPECT_EQ(image.pixel(4, 5)[3], 255);
}

TEST(GlCanvas, RejectsSizesBelowOnePixel) {
    EXPECT_THROW(GlCanvas(0, 10), std::invalid_argument);
    EXPECT_THROW(GlCanvas(10, -1), std::invalid_argument);
}

TEST(GlCanvas, CaptureGivesWindowCoordinatesColoursAndTokens) {
    GlCanvas canvas(100, 50);
    pixelProjection(canvas);
    const auto records = canvas.capture([] {
        glColor4f(0.25f, 0.5f, 1.0f, 0.75f);
        glBegin(GL_LINES);
        glVertex3f(10, 20, 0);
        glVertex3f(30, 40, 0);
        glEnd();
        glPassThrough(7);
        glBegin(GL_QUADS);
        glVertex2f(0, 0);
        glVertex2f(10, 0);
        glVertex2f(10, 10);
        glVertex2f(0, 10);
        glEnd();
        glRasterPos3f(5, 6, 0);
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_10, 'A');
        glRasterPos3f(500, 6, 0); // outside the clip volume: invalid, draws nothing
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_10, 'B');
    });

    ASSERT_GE(records.size(), 4u);
    const FeedbackRecord& line = records[0];
    ASSERT_EQ(line.kind, FeedbackRecord::kLine);
    ASSERT_EQ(line.vertices.size(), 2u);
    EXPECT_FLOAT_EQ(line.vertices[0].x, 10);
    EXPECT_FLOAT_EQ(line.vertices[0].y, 20);
    EXPECT_FLOAT_EQ(line.vertices[1].x, 30);
    EXPECT_FLOAT_EQ(line.vertices[1].y, 40);
    EXPECT_FLOAT_EQ(line.vertices[1].g, 0.5f);
    EXPECT_FLOAT_EQ(line.vertices[1].a, 0.75f);

    ASSERT_EQ(records[1].kind, FeedbackRecord::kPassThrough);
    EXPECT_EQ(records[1].passThrough, 7);

    int polygons = 0, bitmaps = 0;
    for (const FeedbackRecord& r : records) {
        if (r.kind == FeedbackRecord::kPolygon) {
            ++polygons;
            EXPECT_EQ(r.vertices.size(), 3u); // the quad arrives as two triangles
        }
        if (r.kind == FeedbackRecord::kBitmap) {
            ++bitmaps;
            EXPECT_FLOAT_EQ(r.vertices[0].x, 5);
            EXPECT_FLOAT_EQ(r.vertices[0].y, 6);
        }
    }
    EXPECT_EQ(polygons, 2);
    EXPECT_EQ(bitmaps, 1);
}

TEST(GlCanvas, CaptureGrowsItsBufferUntilEverythingFits) {
    GlCanvas canvas(64, 64);
    pixelProjection(canvas);
    constexpr int kPoints = 30000; // 8 floats each: several times the first buffer
    int runs = 0;
    const auto records = canvas.capture([&] {
        ++runs;
        glBegin(GL_POINTS);
        for (int i = 0; i < kPoints; ++i)
            glVertex2f(float(i % 64) + 0.5f, 10.5f);
        glEnd();
    });
    EXPECT_EQ(records.size(), std::size_t(kPoints));
    EXPECT_GT(runs, 1);
    EXPECT_FLOAT_EQ(records.back().vertices[0].x, float((kPoints - 1) % 64) + 0.5f);
}

TEST(GlCanvas, CaptureLeavesRenderModeWhenTheDrawThrows) {
    GlCanvas canvas(16, 16);
    EXPECT_THROW(canvas.capture([] { throw std::runtime_error("draw failed"); }),
                 std::runtime_error);
    GLint mode = 0;
    glGetIntegerv(GL_RENDER_MODE, &mode);
    EXPECT_EQ(mode, GL_RENDER);
}

TEST(GlCanvas, StateReportsStacksAndSettings) {
    GlCanvas canvas(16, 16);
    const hostkit::GlState before = canvas.state();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(2, 0x00FF);
    glLineWidth(3);
    const hostkit::GlState during = canvas.state();
    EXPECT_EQ(during.attribStackDepth, before.attribStackDepth + 1);
    EXPECT_EQ(during.projectionStackDepth, before.projectionStackDepth + 1);
    EXPECT_TRUE(during.lineStipple);
    EXPECT_EQ(during.lineStipplePattern, 0x00FF);
    EXPECT_EQ(during.lineStippleRepeat, 2);
    EXPECT_EQ(during.lineWidth, 3.0f);
    EXPECT_NE(during, before);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    EXPECT_EQ(canvas.state(), before) << canvas.state().describe();
}

TEST(FeedbackParse, RejectsUnknownTokensAndRecordsCutShort) {
    const float unknown[] = {12345.0f};
    EXPECT_THROW(hostkit::parseFeedback(unknown, 1), std::runtime_error);
    const float shortLine[] = {float(GL_LINE_TOKEN), 1, 2, 3, 1, 1, 1, 1, 4, 5};
    EXPECT_THROW(hostkit::parseFeedback(shortLine, 10), std::runtime_error);
    const float hugePolygon[] = {float(GL_POLYGON_TOKEN), 1e9f, 0, 0};
    EXPECT_THROW(hostkit::parseFeedback(hugePolygon, 4), std::runtime_error);
    EXPECT_TRUE(hostkit::parseFeedback(unknown, 0).empty());
}
