// The call recorder sees calls made from other modules and groups them into batches.
#include "gl_recorder.h"

#include <hostkit/gl_canvas.h>

#include <GL/gl.h>
#include <GL/glut.h>
#include <gtest/gtest.h>

TEST(GlRecorder, GroupsVerticesIntoBatchesAndCollectsBitmapText) {
    hostkit::GlCanvas canvas(16, 16);
    glrec::Recorder recorder;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glBegin(GL_LINES);
    glVertex3f(0, 0, 0);
    glVertex3d(1, 2, 3);
    glEnd();
    glBegin(GL_LINE_LOOP);
    glVertex2f(4, 5);
    glEnd();
    glRasterPos3f(0, 0, 0);
    glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, 'o');
    glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, 'k');
    glPopAttrib();
    recorder.stop();
    glBegin(GL_POINTS); // after stop: not recorded
    glEnd();

    const auto batches = recorder.batches();
    ASSERT_EQ(batches.size(), 2u);
    EXPECT_EQ(batches[0].mode, unsigned(GL_LINES));
    ASSERT_EQ(batches[0].vertices.size(), 2u);
    EXPECT_EQ(batches[0].vertices[1][2], 3.0);
    EXPECT_EQ(batches[1].vertices[0][1], 5.0);
    EXPECT_EQ(recorder.bitmapText(), "ok");
    EXPECT_EQ(recorder.calls()[recorder.calls().size() - 2].font, GLUT_BITMAP_HELVETICA_12);
    EXPECT_EQ(recorder.count("glPushAttrib"), 1);
    EXPECT_EQ(recorder.count("glPopAttrib"), 1);
    EXPECT_EQ(recorder.count("glBegin"), 2);
}
