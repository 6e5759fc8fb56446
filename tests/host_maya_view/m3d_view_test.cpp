// M3dView as a locator's draw sees it: port, camera, matrices, view <-> world conversion, and
// views that outlive their viewport.
#include "fixture_scene.h"
#include "deprecatedCalls.h"

#include <hostkit/viewport.h>
#include <maya/MFnDependencyNode.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

using hostkit::Viewport;
using viewtest::kPort;

TEST(M3dView, ReportsThePortAndTheCameraItDraws) {
    viewtest::openFixtureScene();
    Viewport viewport("shotCam", 320, kPort);
    M3dView view = viewport.view();
    EXPECT_EQ(view.portWidth(), 320);
    EXPECT_EQ(view.portHeight(), kPort);
    MDagPath camera;
    ASSERT_TRUE(view.getCamera(camera));
    EXPECT_EQ(std::string(camera.fullPathName().asChar()), "|shotCam|shotCamShape");
    viewport.setDisplayStyle(M3dView::kGouraudShaded);
    EXPECT_EQ(view.displayStyle(), M3dView::kGouraudShaded);
    MStatus status;
    M3dView active = M3dView::active3dView(&status);
    EXPECT_TRUE(status);
    EXPECT_EQ(active.portWidth(), 320);
}

TEST(M3dView, ViewToWorldAndBackMeetAtThePixel) {
    viewtest::openFixtureScene();
    Viewport viewport("shotCam", kPort, kPort);
    const M3dView view = viewport.view();
    MPoint nearPt, farPt;
    ASSERT_TRUE(view.viewToWorld(150, 100, nearPt, farPt));
    // 90 degree view: pixel 150 is a quarter of the way right, x = z / 2 on the ray.
    EXPECT_NEAR(nearPt.z, -0.1, 1e-9);
    EXPECT_NEAR(nearPt.x, 0.05, 1e-9);
    EXPECT_NEAR(farPt.x, -farPt.z / 2, 1e-6);
    EXPECT_LT(farPt.z, -1000.0); // far along the ray, yet inside the far plane
    EXPECT_GT(farPt.z, -10000.0);
    short x = 0, y = 0;
    EXPECT_TRUE(view.worldToView(farPt, x, y));
    EXPECT_EQ(x, 150);
    EXPECT_EQ(y, 100);
    EXPECT_FALSE(view.worldToView(MPoint(0, 0, 5), x, y)); // behind the camera

    MPoint origin;
    MVector direction;
    ASSERT_TRUE(view.viewToWorld(100, 100, origin, direction));
    EXPECT_NEAR(direction.z, -1.0, 1e-9);
    EXPECT_NEAR(direction.length(), 1.0, 1e-12);
}

TEST(M3dView, FarPointGivesAValidRasterPositionUnderTheViewMatrices) {
    // A bitmap at the far point (how overlay text is placed) must not be clipped away, even
    // after single-precision transforms and with a wide near/far range.
    viewtest::openFixtureScene("setAttr \"shotCamShape.ncp\" 0.001;\n"
                               "setAttr \"shotCamShape.fcp\" 1000000;\n");
    Viewport viewport("shotCam", kPort, kPort);
    const M3dView view = viewport.view();
    MMatrix projection, modelView;
    ASSERT_TRUE(view.projectionMatrix(projection));
    ASSERT_TRUE(view.modelViewMatrix(modelView));
    viewport.glState(); // makes the viewport's context current
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(&projection.matrix[0][0]);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(&modelView.matrix[0][0]);
    for (short x : {0, 1, 100, 199}) {
        MPoint nearPt, farPt;
        view.viewToWorld(x, 37, nearPt, farPt);
        glRasterPos3f(float(farPt.x), float(farPt.y), float(farPt.z));
        GLboolean valid = GL_FALSE;
        glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
        EXPECT_TRUE(valid) << "pixel " << x;
        GLfloat position[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
        EXPECT_NEAR(position[0], x, 0.01);
        EXPECT_NEAR(position[1], 37, 0.01);
    }
}

// beginGL stands for every call that needs the viewport; it is deprecated, but still the call a
// legacy draw makes.
QUILLOMAR_DEPRECATED_CALL_BEGIN
TEST(M3dView, ViewsOfAGoneViewportFailInsteadOfDangling) {
    viewtest::openFixtureScene();
    M3dView view;
    {
        Viewport viewport("shotCam", kPort, kPort);
        view = viewport.view();
        EXPECT_TRUE(view.beginGL());
    }
    MStatus status;
    EXPECT_EQ(view.portWidth(&status), 0);
    EXPECT_FALSE(status);
    EXPECT_FALSE(view.beginGL());
    MPoint a, b;
    EXPECT_FALSE(view.viewToWorld(0, 0, a, b));
    M3dView::active3dView(&status);
    EXPECT_FALSE(status);
}
QUILLOMAR_DEPRECATED_CALL_END
