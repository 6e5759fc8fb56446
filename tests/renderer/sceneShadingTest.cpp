// Shading of ray-cast samples: the states materials and the store function see, the store
// right after the material on the same thread at each level of the ray tree, and
// mi_trace_transparent continuing rays through surfaces.
#include "scene_fixture.h"

#include <rayhost/call_memory.h>
#include <rayhost/ray_caster.h>
#include <rayhost/scene_shading.h>
#include <rayhost/transparency.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

using rayhost::ContourLevel;
using rayhost::SceneTags;
using scenetest::Info;

class ShadingTest : public ::testing::Test, protected scenetest::SceneFixture {
protected:
    miOptions options{};
    std::unique_ptr<rayhost::RayCaster> caster;
    std::unique_ptr<rayhost::SceneShading> shading;
    std::unique_ptr<rayhost::TracerScope> tracer;

    void prepare(int levels) {
        options.contrast = {0.25f, 0.5f, 0.5f, 0.5f};
        caster = std::make_unique<rayhost::RayCaster>(scene, 64, 64);
        shading = std::make_unique<rayhost::SceneShading>(network, scene, *caster, options, levels);
        tracer.reset(); // puts back the tracer from before this fixture first
        tracer = std::make_unique<rayhost::TracerScope>([this](miColor* result, miState* state) {
            return shading->traceTransparent(result, state);
        });
    }

    static Info infoOf(const ContourLevel& level) {
        EXPECT_TRUE(level.present);
        EXPECT_EQ(level.infoSize, static_cast<int>(sizeof(Info)));
        Info info;
        std::memcpy(&info, level.info, sizeof info);
        return info;
    }
};

TEST_F(ShadingTest, EyeSampleRunsTheMaterialThenTheStoreOnTheSameThreadWithTheHitsState) {
    ballBeforeWall();
    withContours();
    prepare(3);
    ContourLevel record[3];
    const miColor color = shading->shadeEye(32, 32, 64, 5, record);
    EXPECT_EQ(color.r, 1.0f);
    const Info ball = infoOf(record[0]);
    EXPECT_EQ(ball.z, -9.0f);
    EXPECT_EQ(ball.material, SceneTags::material(0));
    EXPECT_EQ(ball.materialShadedLast, SceneTags::material(0));
    EXPECT_EQ(ball.instance, SceneTags::instance(0));
    EXPECT_EQ(ball.label, 7u);
    EXPECT_EQ(ball.level, 1);
    EXPECT_EQ(ball.thread, 5);
    EXPECT_EQ(ball.type, miRAY_EYE);
    EXPECT_EQ(ball.contrastRed, 0.25f);
    EXPECT_EQ(ball.color.r, 1.0f);
    EXPECT_EQ(ball.normal.z, 1.0f);
    EXPECT_EQ(record[0].depth, -9.0f);
    EXPECT_EQ(record[0].material, 0u);
    EXPECT_FALSE(record[1].present);

    // Beside the ball: the wall, grey, with its own label and tags.
    shading->shadeEye(2, 32, 64, 5, record);
    const Info wall = infoOf(record[0]);
    EXPECT_EQ(wall.material, SceneTags::material(1));
    EXPECT_EQ(wall.materialShadedLast, SceneTags::material(1));
    EXPECT_EQ(wall.instance, SceneTags::instance(1));
    EXPECT_EQ(wall.label, 9u);
    EXPECT_NEAR(wall.z, -13.0f, 1e-5f);
    EXPECT_EQ(wall.color.r, 0.5f);

    // Nothing hit: the background, and no record.
    scene.background = {0, 0, 1, 0.5f};
    scene.instances.pop_back();
    prepare(3);
    const miColor empty = shading->shadeEye(2, 32, 64, 5, record);
    EXPECT_EQ(empty.b, 1.0f);
    EXPECT_EQ(empty.a, 0.5f);
    EXPECT_FALSE(record[0].present);
}

TEST_F(ShadingTest, PrimitiveIndexOfAMeshHitReachesTheStoreThroughTheQuery) {
    const std::size_t grey = material("grey", {0.5, 0.5, 0.5, 1});
    rayhost::Mesh square;
    square.vertices = {{-4, -4, 0}, {4, -4, 0}, {4, 4, 0}, {-4, 4, 0}};
    square.triangles = {{0, 1, 2}, {0, 2, 3}};
    place("square", square, grey, 2);
    withContours();
    prepare(1);
    ContourLevel record[1];
    shading->shadeEye(40, 40, 64, 0, record); // lower right: below the diagonal
    EXPECT_EQ(infoOf(record[0]).index, 0);
    shading->shadeEye(24, 24, 64, 0, record);
    EXPECT_EQ(infoOf(record[0]).index, 1);
}

TEST_F(ShadingTest, SeeThroughSampleStoresEveryLevelOfItsRayTree) {
    ballBeforeWall(true);
    withContours();
    prepare(4);
    ContourLevel record[4];
    const miColor color = shading->shadeEye(32, 32, 64, 1, record);
    // Ball front, ball back (both see through), then the grey wall.
    EXPECT_FLOAT_EQ(color.r, 0.5f * (1 + 0.5f * (1 + 0.5f)));
    const float depths[3] = {-9, -11, -13};
    for (int level = 1; level <= 3; ++level) {
        const Info info = infoOf(record[level - 1]);
        EXPECT_EQ(info.level, level);
        EXPECT_NEAR(info.z, depths[level - 1], 1e-5f);
        EXPECT_EQ(info.materialShadedLast, info.material) << "level " << level;
        EXPECT_EQ(info.type, level == 1 ? miRAY_EYE : miRAY_TRANSPARENT);
        EXPECT_EQ(info.thread, 1);
        EXPECT_EQ(info.normal.z, 1.0f); // turned towards the ray, inside the ball too
    }
    EXPECT_EQ(infoOf(record[2]).label, 9u);
    EXPECT_FALSE(record[3].present);

    // Two levels at most: the ball's back surface sees nothing behind it.
    prepare(2);
    const miColor shallow = shading->shadeEye(32, 32, 64, 1, record);
    EXPECT_FLOAT_EQ(shallow.r, 0.5f * (1 + 0.5f * 1));
    EXPECT_TRUE(record[1].present);
}

TEST_F(ShadingTest, TraceTransparentLinksChildAndParentStatesUntilNothingIsBehind) {
    ballBeforeWall();
    scene.background = {0, 1, 0, 1};
    prepare(8);
    rayhost::CallScope scope;
    miState front{};
    front.thread = 4;
    front.type = miRAY_EYE;
    front.options = &options;
    front.instance = SceneTags::instance(0);
    front.point = {0, 0, -9};
    front.dir = {0, 0, -1};
    miColor behind{};
    EXPECT_EQ(mi_trace_transparent(&behind, &front), miTRUE);
    ASSERT_NE(front.child, nullptr);
    miState& back = *front.child;
    EXPECT_EQ(back.parent, &front);
    EXPECT_EQ(back.child, nullptr);
    EXPECT_EQ(back.type, miRAY_TRANSPARENT);
    EXPECT_EQ(back.thread, 4);
    EXPECT_EQ(back.options, &options);
    EXPECT_EQ(back.instance, SceneTags::instance(0));
    EXPECT_NEAR(back.point.z, -11, 1e-5);
    EXPECT_NEAR(back.dist, 2, 1e-5);
    EXPECT_EQ(behind.r, 1.0f); // the ball's own material

    EXPECT_EQ(mi_trace_transparent(&behind, &back), miTRUE);
    miState& wall = *back.child;
    EXPECT_EQ(wall.parent, &back);
    EXPECT_EQ(wall.label, 9u);
    EXPECT_EQ(wall.material, SceneTags::material(1));
    EXPECT_EQ(behind.r, 0.5f);

    // Past the wall: the background, and no child.
    EXPECT_EQ(mi_trace_transparent(&behind, &wall), miFALSE);
    EXPECT_EQ(wall.child, nullptr);
    EXPECT_EQ(behind.g, 1.0f);
}

} // namespace
