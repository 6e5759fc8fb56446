// Transforms driven the way rigs saved by Maya drive them: a parent constraint places a joint
// (under a scaled, turned parent) as if it were a child of its target, with an offset.
#include "scene_fixture.h"
#include "scene/transform_math.h"

#include <cmath>

#include <maya/MDagPath.h>
#include <maya/MMatrix.h>

using namespace scene;

namespace {

MMatrix compose(const TransformValues& v) {
    double m[4][4];
    composeTransform(v, m);
    return MMatrix(m);
}

void expectRotation(const MMatrix& actual, const MMatrix& expected, const char* what) {
    for (int i = 0; i < 3; ++i) {
        double length = 0;
        for (int k = 0; k < 3; ++k)
            length += actual[i][k] * actual[i][k];
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(actual[i][k] / std::sqrt(length), expected[i][k], 1e-9) << what;
    }
}

} // namespace

TEST(TransformMath, EulerAnglesReadBackInEveryRotateOrder) {
    const double angles[][3] = {{10, 20, 30}, {-170, 80, 5}, {95, -45, 135}, {0, 89.9, -60}};
    for (int order = 0; order < 6; ++order)
        for (const auto& turn : angles) {
            TransformValues v;
            v.rotateOrder = order;
            for (int i = 0; i < 3; ++i)
                v.rotate[i] = turn[i];
            const MMatrix m = compose(v);
            double r[3][3], back[3];
            for (int i = 0; i < 3; ++i)
                for (int k = 0; k < 3; ++k)
                    r[i][k] = m[i][k];
            eulerDegrees(r, order, back);
            TransformValues again = v;
            for (int i = 0; i < 3; ++i)
                again.rotate[i] = back[i];
            expectRotation(compose(again), m, "order");
        }
}

using Constraints = SceneTest;

TEST_F(Constraints, AParentConstraintPlacesAJointAsAChildOfItsTarget) {
    mel("createNode transform -n ctl; setAttr ctl.t -type double3 1 2 3;"
        "setAttr ctl.r -type double3 10 20 30; setAttr ctl.ro 2;"
        "setAttr ctl.rp -type double3 0.5 0 0;"
        "createNode transform -n grp; setAttr grp.s -type double3 2 1 1;"
        "setAttr grp.r -type double3 0 45 0;"
        "createNode joint -n bone -p grp; setAttr bone.jo -type double3 0 0 90;"
        "connectAttr grp.s bone.is;"
        "createNode parentConstraint -n pin -p bone;"
        "setAttr pin.tg[0].tot -type double3 0 1 0; setAttr pin.tg[0].tor -type double3 0 0 30;"
        "connectAttr ctl.t pin.tg[0].tt; connectAttr ctl.rp pin.tg[0].trp;"
        "connectAttr ctl.rpt pin.tg[0].trt; connectAttr ctl.r pin.tg[0].tr;"
        "connectAttr ctl.ro pin.tg[0].tro; connectAttr ctl.pm pin.tg[0].tpm;"
        "connectAttr bone.pim pin.cpim; connectAttr bone.rp pin.crp;"
        "connectAttr bone.rpt pin.crt; connectAttr bone.jo pin.cjo; connectAttr bone.ro pin.cro;"
        "connectAttr pin.ct bone.t; connectAttr pin.cr bone.r");
    // The target's pivot frame (its rotation about its pivot, at the pivot), after the offset.
    TransformValues target, offset;
    target.rotate[0] = 10, target.rotate[1] = 20, target.rotate[2] = 30;
    target.rotateOrder = 2;
    target.translate[0] = 1.5, target.translate[1] = 2, target.translate[2] = 3;
    offset.translate[1] = 1;
    offset.rotate[2] = 30;
    const MMatrix expected = compose(offset) * compose(target);
    const MMatrix world = pathTo(node("bone")).inclusiveMatrix();
    expectRotation(world, expected, "joint rotation");
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(world[3][i], expected[3][i], 1e-9);

    // Following the target.
    mel("setAttr ctl.tx 4");
    EXPECT_NEAR(pathTo(node("bone")).inclusiveMatrix()[3][0], expected[3][0] + 3, 1e-9);
    // Without weight: the rest position.
    mel("setAttr pin.tg[0].tw 0; setAttr pin.rst -type double3 7 8 9");
    EXPECT_EQ(number("bone.tx"), 7.0);
    mel("setAttr pin.erp no");
    EXPECT_EQ(number("bone.tx"), 0.0);
}
