// DAG paths, parents and matrices; cameras and their function set.
#include "scene_fixture.h"

#include <maya/MDagPath.h>
#include <maya/MFnCamera.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFloatMatrix.h>
#include <maya/MPoint.h>

#include <cmath>

namespace {

MDagPath pathOf(const std::string& name) {
    MDagPath path;
    EXPECT_TRUE(MDagPath::getAPathTo(hostkit::findNode(name), path)) << name;
    return path;
}

void expectPoint(const MPoint& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
    EXPECT_NEAR(p.z, z, 1e-9);
}

} // namespace

using Dag = SceneTest;

TEST_F(Dag, MatricesComposeAlongThePath) {
    mel("createNode transform -n root; setAttr root.t -type double3 10 0 0; "
        "setAttr root.ry 90;"
        "createNode transform -n arm -p root; setAttr arm.t -type double3 0 0 -2;"
        "setAttr arm.s -type double3 2 2 2;"
        "createNode marker -n tip -p arm");
    MDagPath tip = pathOf("tip");
    EXPECT_EQ(tip.length(), 3u);
    EXPECT_STREQ(tip.fullPathName().asChar(), "|root|arm|tip");
    EXPECT_STREQ(tip.partialPathName().asChar(), "tip");
    EXPECT_TRUE(tip.transform() == node("arm"));
    // arm's origin: (0,0,-2) turned 90 degrees about Y is (-2,0,0), then moved by root.
    expectPoint(MPoint(0, 0, 0) * tip.inclusiveMatrix(), 8, 0, 0);
    expectPoint(MPoint(1, 0, 0) * tip.inclusiveMatrix(), 8, 0, -2);
    expectPoint(MPoint(1, 0, 0) * pathOf("arm").exclusiveMatrix(), 10, 0, -1);
    expectPoint(MPoint(8, 0, -2) * tip.inclusiveMatrixInverse(), 1, 0, 0);
    // The world matrices the host evaluates follow the same path.
    mel("setAttr root.tx 0");
    MPoint origin = MPoint(0, 0, 0) * pathOf("tip").inclusiveMatrix();
    expectPoint(origin, -2, 0, 0);
    MObject world, worldInverse;
    ASSERT_TRUE(hostkit::getAttrData("tip.worldMatrix[0]", world));
    ASSERT_TRUE(hostkit::getAttrData("tip.worldInverseMatrix[0]", worldInverse));
    expectPoint(MPoint(0, 0, 0) * MFnMatrixData(world).matrix(), -2, 0, 0);
    expectPoint(MPoint(-2, 0, 0) * MFnMatrixData(worldInverse).matrix(), 0, 0, 0);
    MFnDagNode arm(node("arm"));
    expectPoint(MPoint(1, 0, 0) * arm.transformationMatrix(), 2, 0, -2);
}

TEST_F(Dag, ParentsChildrenAndReparenting) {
    mel("createNode transform -n a; createNode transform -n b -p a; createNode marker -n m -p b");
    MFnDagNode a(node("a")), b(node("b"));
    EXPECT_EQ(a.parentCount(), 0u);
    ASSERT_EQ(b.parentCount(), 1u);
    EXPECT_TRUE(b.parent(0) == node("a"));
    ASSERT_EQ(a.childCount(), 1u);
    EXPECT_TRUE(a.child(0) == node("b"));

    std::string error;
    EXPECT_FALSE(hostkit::runMel("parent a b", &error)); // under its own child
    EXPECT_FALSE(hostkit::runMel("parent a m", &error)); // a shape has no children
    mel("setAttr a.t -type double3 5 0 0; setAttr a.rz 90; setAttr b.tx 1");
    const MPoint before = MPoint() * pathOf("m").inclusiveMatrix();
    mel("parent -w b"); // keeps b where it is in the world
    EXPECT_EQ(a.childCount(), 0u);
    EXPECT_STREQ(pathOf("m").fullPathName().asChar(), "|b|m");
    expectPoint(MPoint() * pathOf("m").inclusiveMatrix(), before.x, before.y, before.z);
    EXPECT_NEAR(number("b.rz"), 90.0, 1e-9);
    mel("parent -r b a"); // keeps b's own channels
    EXPECT_STREQ(pathOf("m").fullPathName().asChar(), "|a|b|m");
    EXPECT_NEAR(number("b.tx"), 5.0, 1e-9);

    // Deleting a node leaves no dangling child or parent.
    ASSERT_TRUE(hostkit::deleteNode(node("b")));
    EXPECT_EQ(a.childCount(), 0u);
    EXPECT_STREQ(pathOf("m").fullPathName().asChar(), "|m");
}

TEST_F(Dag, ShapeWithoutParentGetsATransformAndPathsExtendToIt) {
    MFnDagNode fn;
    MStatus status;
    MObject transform = fn.create("camera", MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    EXPECT_STREQ(MFnDependencyNode(transform).name().asChar(), "camera1");
    EXPECT_STREQ(fn.name().asChar(), "cameraShape1");
    MDagPath path = pathOf("camera1");
    ASSERT_TRUE(path.extendToShape());
    EXPECT_TRUE(path.hasFn(MFn::kCamera));
    unsigned int shapes = 99;
    EXPECT_TRUE(path.numberOfShapesDirectlyBelow(shapes));
    EXPECT_EQ(shapes, 0u);

    MDagPath stale = path;
    ASSERT_TRUE(hostkit::deleteNode(transform));
    EXPECT_FALSE(stale.isValid());
}

TEST_F(Dag, CameraDefaultsAndAttachingThroughTheTransform) {
    mel("createNode transform -n cam; createNode camera -n camShape -p cam");
    MFnCamera camera(pathOf("cam")); // a transform path reaches its camera shape
    EXPECT_TRUE(camera.object() == node("camShape"));
    EXPECT_DOUBLE_EQ(camera.focalLength(), 35.0);
    EXPECT_DOUBLE_EQ(camera.horizontalFilmAperture(), 1.41732);
    EXPECT_DOUBLE_EQ(camera.verticalFilmAperture(), 0.94488);
    EXPECT_DOUBLE_EQ(camera.aspectRatio(), 1.41732 / 0.94488);
    EXPECT_EQ(camera.filmFit(), MFnCamera::kHorizontalFilmFit);
    EXPECT_DOUBLE_EQ(camera.overscan(), 1.0);
    EXPECT_DOUBLE_EQ(camera.lensSqueezeRatio(), 1.0);
    EXPECT_DOUBLE_EQ(camera.nearClippingPlane(), 0.1);
    EXPECT_DOUBLE_EQ(camera.farClippingPlane(), 10000.0);
    EXPECT_FALSE(camera.isOrtho());
    EXPECT_DOUBLE_EQ(camera.orthoWidth(), 30.0);
    EXPECT_TRUE(camera.parent(0) == node("cam"));

    mel("setAttr camShape.ff 3; setAttr camShape.o yes; setAttr camShape.cap -type double2 2 1;"
        "setAttr cam.t -type double3 0 0 5");
    EXPECT_EQ(camera.filmFit(), MFnCamera::kOverscanFilmFit);
    EXPECT_TRUE(camera.isOrtho());
    EXPECT_DOUBLE_EQ(camera.aspectRatio(), 2.0);
    expectPoint(camera.eyePoint(MSpace::kWorld), 0, 0, 5);

    MStatus status;
    MFnCamera notCamera(node("time1"), &status);
    EXPECT_FALSE(status);
    EXPECT_DOUBLE_EQ(notCamera.focalLength(&status), 0.0);
    EXPECT_FALSE(status);
}

TEST_F(Dag, HostHelpersListCamerasMeshesAndLocators) {
    mel("createNode transform -n shot; createNode camera -n shotShape -p shot;"
        "createNode marker -n hidden; setAttr hidden.v no; createNode marker -n shown");
    MDagPath camera;
    ASSERT_TRUE(hostkit::findCamera("shot", camera));
    EXPECT_TRUE(camera.node() == node("shotShape"));
    ASSERT_TRUE(hostkit::findCamera("shotShape", camera));
    EXPECT_FALSE(hostkit::findCamera("time1", camera));
    // After the four every new scene has.
    ASSERT_EQ(hostkit::cameras().size(), 5u);
    EXPECT_EQ(hostkit::cameras()[4].transformName, "shot");

    auto locators = hostkit::locators();
    ASSERT_EQ(locators.size(), 2u);
    EXPECT_FALSE(locators[0].visible);
    EXPECT_TRUE(locators[1].visible);
    EXPECT_NE(locators[1].node, nullptr);
}

TEST_F(Dag, CameraFieldOfViewAndProjectionFollowTheLens) {
    mel("createNode transform -n cam; createNode camera -n camShape -p cam;"
        "setAttr camShape.fl 25.4; setAttr camShape.cap -type double2 2 1;"
        "setAttr camShape.ncp 1; setAttr camShape.fcp 101");
    MFnCamera camera(node("camShape"));
    // A 2 inch (50.8 mm) gate behind a 25.4 mm lens: tan(h/2) = 1, tan(v/2) = 0.5.
    EXPECT_NEAR(camera.horizontalFieldOfView(), M_PI / 2, 1e-12);
    EXPECT_NEAR(std::tan(camera.verticalFieldOfView() / 2), 0.5, 1e-12);
    MFloatMatrix p = camera.projectionMatrix();
    EXPECT_NEAR(p(0, 0), 1.0, 1e-6);
    EXPECT_NEAR(p(1, 1), 2.0, 1e-6);
    EXPECT_NEAR(p(2, 3), -1.0, 1e-6);
    // A point on the near plane maps to depth -1, one on the far plane to +1.
    auto depth = [&p](double z) {
        const double clipZ = z * p(2, 2) + p(3, 2), clipW = z * p(2, 3) + p(3, 3);
        return clipZ / clipW;
    };
    EXPECT_NEAR(depth(-1.0), -1.0, 1e-5);
    EXPECT_NEAR(depth(-101.0), 1.0, 1e-5);
    mel("setAttr camShape.o yes; setAttr camShape.ow 10");
    p = camera.projectionMatrix();
    EXPECT_NEAR(p(0, 0), 0.2, 1e-6);
    EXPECT_NEAR(p(1, 1), 0.4, 1e-6);
}
