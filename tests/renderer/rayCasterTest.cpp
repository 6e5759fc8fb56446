// The ray caster's geometry: camera space, nearest hits, normals, primitive indices, instance
// placement, and rays that continue from a surface.
#include <rayhost/ray_caster.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using rayhost::Mesh;
using rayhost::Plane;
using rayhost::RayCaster;
using rayhost::Scene;
using rayhost::SceneError;
using rayhost::Sphere;
using rayhost::SurfaceHit;
using rayhost::Vec3;

// A scene with one material and the camera at (0, 0, 10) looking at the origin.
struct SceneBuilder {
    Scene scene;
    SceneBuilder() { scene.materials.push_back({"m", 0, {}}); }
    std::size_t place(const std::string& name, rayhost::Shape shape, Vec3 translate = {},
                      Vec3 rotate = {}, double scale = 1) {
        scene.objects.push_back({name, std::move(shape)});
        rayhost::ObjectInstance instance;
        instance.name = name;
        instance.object = scene.objects.size() - 1;
        instance.transform = {translate, rotate, scale};
        scene.instances.push_back(instance);
        return scene.instances.size() - 1;
    }
};

void expectNear(Vec3 actual, Vec3 expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(RayCaster, EyeRaysSpanTheHorizontalFieldOfViewInCameraSpace) {
    SceneBuilder b;
    b.scene.camera.fieldOfView = 90;
    const RayCaster caster(b.scene, 200, 100);
    expectNear(caster.eyeRay(100, 50).direction, {0, 0, -1});
    expectNear(caster.eyeRay(100, 50).origin, {0, 0, 0});
    // Right edge at 45 degrees; top edge at atan(0.5): the image is half as high as wide.
    const Vec3 right = caster.eyeRay(200, 50).direction;
    EXPECT_NEAR(right.x, -right.z, 1e-12);
    const Vec3 top = caster.eyeRay(100, 0).direction;
    EXPECT_NEAR(top.y / -top.z, 0.5, 1e-12);
}

TEST(RayCaster, SphereHitIsNearestWithDepthNegativeInFrontAndNormalTowardsTheCamera) {
    SceneBuilder b;
    b.place("far", Sphere{1}, {0, 0, -5});
    const std::size_t near = b.place("near", Sphere{2}, {0, 0, 0}, {}, 0.5); // radius 1
    const RayCaster caster(b.scene, 64, 64);
    SurfaceHit hit;
    ASSERT_TRUE(caster.nearest(caster.eyeRay(32, 32), hit));
    EXPECT_EQ(hit.instance, near);
    EXPECT_NEAR(hit.distance, 9, 1e-9);
    expectNear(hit.point, {0, 0, -9});
    expectNear(hit.normal, {0, 0, 1});
    expectNear(hit.normalGeom, {0, 0, 1});
    EXPECT_EQ(hit.primitive, 0u);
    EXPECT_FALSE(caster.nearest({{0, 0, 0}, {0, 1, 0}}, hit)); // looking past everything
}

TEST(RayCaster, CameraPlacementMovesTheWorldIntoCameraSpace) {
    SceneBuilder b;
    b.scene.camera = {{10, 0, 0}, {0, 0, 0}, {0, 1, 0}, 40};
    b.place("ball", Sphere{1}, {0, 0, 3}); // to the camera's left
    const RayCaster caster(b.scene, 64, 64);
    SurfaceHit hit;
    const Vec3 towardsBall = rayhost::normalized({-3, 0, -10});
    ASSERT_TRUE(caster.nearest({{0, 0, 0}, towardsBall}, hit));
    EXPECT_NEAR(length(hit.point - Vec3{-3, 0, -10}), 1, 1e-9);
    // The camera's up must not lie along its view, nor its aim be its position.
    b.scene.camera.up = {-1, 0, 0};
    EXPECT_THROW(RayCaster(b.scene, 8, 8), SceneError);
    b.scene.camera = {{1, 1, 1}, {1, 1, 1}, {0, 1, 0}, 40};
    EXPECT_THROW(RayCaster(b.scene, 8, 8), SceneError);
}

TEST(RayCaster, PlaneIsTwoSidedWithItsNormalTurnedTowardsTheRay) {
    SceneBuilder b;
    b.place("wall", Plane{}, {0, 0, -2}, {90, 0, 0}); // y = 0 turned to face +z
    const RayCaster caster(b.scene, 64, 64);
    SurfaceHit hit;
    ASSERT_TRUE(caster.nearest(caster.eyeRay(32, 32), hit));
    expectNear(hit.point, {0, 0, -12});
    expectNear(hit.normal, {0, 0, 1});
    // From behind the wall, the normal faces the other way.
    ASSERT_TRUE(caster.nearest({{0, 0, -20}, {0, 0, 1}}, hit));
    expectNear(hit.normalGeom, {0, 0, -1});
    EXPECT_FALSE(caster.nearest({{0, 0, 0}, {1, 0, 0}}, hit)); // parallel
}

// A square of two triangles in the plane z = 0: 0 below the diagonal, 1 above it.
Mesh square(bool smooth) {
    Mesh mesh;
    mesh.vertices = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
    mesh.triangles = {{0, 1, 2}, {0, 2, 3}};
    mesh.smooth = smooth;
    return mesh;
}

TEST(RayCaster, MeshHitsNameTheirTriangleAndGiveBarycentricCoordinates) {
    SceneBuilder b;
    b.place("square", square(false));
    const RayCaster caster(b.scene, 64, 64);
    SurfaceHit hit;
    ASSERT_TRUE(caster.nearest({{0.5, -0.5, 10}, {0, 0, -1}}, hit));
    EXPECT_EQ(hit.primitive, 0u);
    EXPECT_NEAR(hit.uv.x, 0.5f, 1e-6f); // weight of vertex 1 at (0.5, -0.5)
    EXPECT_NEAR(hit.uv.y, 0.25f, 1e-6f);
    ASSERT_TRUE(caster.nearest({{-0.5, 0.5, 10}, {0, 0, -1}}, hit));
    EXPECT_EQ(hit.primitive, 1u);
    expectNear(hit.normalGeom, {0, 0, 1});
    EXPECT_FALSE(caster.nearest({{1.01, 0, 10}, {0, 0, -1}}, hit));
}

TEST(RayCaster, SmoothMeshInterpolatesVertexNormalsFlatOneKeepsFaceNormals) {
    // A roof: two faces meeting at the ridge x = 0, sloping down at 45 degrees.
    Mesh roof;
    roof.vertices = {{-1, -1, -1}, {0, -1, 0}, {1, -1, -1}, {-1, 1, -1}, {0, 1, 0}, {1, 1, -1}};
    roof.triangles = {{0, 1, 4}, {0, 4, 3}, {1, 2, 5}, {1, 5, 4}};
    for (bool smooth : {false, true}) {
        roof.smooth = smooth;
        SceneBuilder b;
        b.place("roof", roof);
        const RayCaster caster(b.scene, 64, 64);
        SurfaceHit hit;
        // Just left of the ridge, a quarter of the way down: b.scene's camera looks along -z.
        ASSERT_TRUE(caster.nearest({{-0.25, 0, 10}, {0, 0, -1}}, hit));
        expectNear(hit.normalGeom, rayhost::normalized({-1, 0, 1}));
        if (smooth) {
            // Three quarters of the way from the side edge's normal to the ridge's (0, 0, 1).
            const Vec3 expected = rayhost::normalized(rayhost::normalized(Vec3{-1, 0, 1}) * 0.25 +
                                                      Vec3{0, 0, 1} * 0.75);
            expectNear(hit.normal, expected, 1e-9);
        } else {
            expectNear(hit.normal, hit.normalGeom);
        }
    }
}

TEST(RayCaster, InstancesPlaceOneObjectScaledRotatedAndMoved) {
    SceneBuilder b;
    Mesh triangle;
    triangle.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    triangle.triangles = {{0, 1, 2}};
    b.place("a", triangle, {5, 0, 0});
    // Scaled by 2, turned 90 degrees about z: (1, 0) goes to (0, 2), (0, 1) to (-2, 0).
    b.place("b", triangle, {-5, 0, 0}, {0, 0, 90}, 2);
    b.scene.instances[1].object = 0;
    const RayCaster caster(b.scene, 64, 64);
    SurfaceHit hit;
    ASSERT_TRUE(caster.nearest({{5.2, 0.2, 10}, {0, 0, -1}}, hit));
    EXPECT_EQ(hit.instance, 0u);
    ASSERT_TRUE(caster.nearest({{-5.5, 1.2, 10}, {0, 0, -1}}, hit));
    EXPECT_EQ(hit.instance, 1u);
    EXPECT_FALSE(caster.nearest({{-4.5, 1.2, 10}, {0, 0, -1}}, hit));

    // Turned about x first, then y: (1, 0, 0) goes to (0, 0, -1) and (0, 1, 0) to (1, 0, 0), so
    // the triangle lies flat, seen from above (the camera sits at z = 10).
    SceneBuilder turned;
    turned.place("t", triangle, {}, {90, 90, 0});
    const RayCaster above(turned.scene, 64, 64);
    ASSERT_TRUE(above.nearest({{0.2, 5, -10.2}, {0, -1, 0}}, hit));
    expectNear(hit.point, {0.2, 0, -10.2}, 1e-9);
    EXPECT_FALSE(above.nearest({{-0.2, 5, -10.2}, {0, -1, 0}}, hit));
}

TEST(RayCaster, ContinuedRayLeavesItsSurfaceAndFindsWhatLiesBehind) {
    SceneBuilder b;
    const std::size_t ball = b.place("ball", Sphere{1});
    const std::size_t wall = b.place("wall", Plane{}, {0, 0, -3}, {90, 0, 0});
    const RayCaster caster(b.scene, 64, 64);
    SurfaceHit front;
    ASSERT_TRUE(caster.nearest(caster.eyeRay(32, 32), front));
    // Continued from a single-precision copy of the hit point, as states carry it.
    const rayhost::Ray onward{rayhost::fromMiVector(rayhost::toMiVector(front.point)), {0, 0, -1}};
    const rayhost::StartSurface fromBall{ball, 0};
    SurfaceHit back;
    ASSERT_TRUE(caster.nearest(onward, back, &fromBall));
    EXPECT_EQ(back.instance, ball);
    expectNear(back.point, {0, 0, -11}, 1e-5);
    expectNear(back.normal, {0, 0, 1}); // the inside, turned towards the ray
    const rayhost::Ray further{rayhost::fromMiVector(rayhost::toMiVector(back.point)), {0, 0, -1}};
    SurfaceHit behind;
    ASSERT_TRUE(caster.nearest(further, behind, &fromBall));
    EXPECT_EQ(behind.instance, wall);
    // A ray leaving the wall finds nothing further.
    const rayhost::StartSurface fromWall{wall, 0};
    EXPECT_FALSE(caster.nearest(
        {rayhost::fromMiVector(rayhost::toMiVector(behind.point)), {0, 0, -1}}, behind, &fromWall));
}

TEST(RayCaster, GeometryFaultsAreRefusedByName) {
    const auto refused = [](SceneBuilder& b, const char* expected) {
        try {
            RayCaster caster(b.scene, 8, 8);
            ADD_FAILURE() << "accepted, expected " << expected;
        } catch (const SceneError& error) {
            EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
        }
    };
    SceneBuilder zero;
    zero.place("dot", Sphere{0});
    refused(zero, "sphere \"dot\" has a radius");
    SceneBuilder corner;
    Mesh bad = square(false);
    bad.triangles.push_back({0, 1, 4});
    corner.place("bad", bad);
    refused(corner, "triangle 2 names vertex 4 of 4");
    SceneBuilder flat;
    flat.place("flat", Sphere{1}, {}, {}, 0);
    refused(flat, "scale that is not positive");
    SceneBuilder view;
    view.scene.camera.fieldOfView = 180;
    refused(view, "field of view");
    SceneBuilder unmade;
    unmade.place("x", Plane{});
    unmade.scene.instances[0].material = 3;
    refused(unmade, "instance \"x\" has no material");
}

} // namespace
