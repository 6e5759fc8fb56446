// The path a locator's draw() is handed: as in Maya, that of the shape's parent transform, with
// the modelview already holding the transforms above the shape.
#include "core/internal.h"
#include "fixture_scene.h"

#include <hostkit/viewport.h>
#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MPxLocatorNode.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DrawSeen {
    std::string path;
    bool isTransform = false;
    std::string shapeBelow;
    double modelViewOrigin[3] = {0, 0, 0};
};

std::vector<DrawSeen> gDraws;

struct PathProbe : MPxLocatorNode {
    void draw(M3dView&, const MDagPath& path, M3dView::DisplayStyle,
              M3dView::DisplayStatus) override {
        DrawSeen seen;
        seen.path = path.fullPathName().asChar();
        seen.isTransform = path.hasFn(MFn::kTransform) && !path.hasFn(MFn::kShape);
        MDagPath shape = path;
        if (shape.extendToShape())
            seen.shapeBelow = shape.partialPathName().asChar();
        GLdouble modelView[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        for (int i = 0; i < 3; ++i)
            seen.modelViewOrigin[i] = modelView[12 + i];
        gDraws.push_back(seen);
    }
};

void registerProbe() {
    static const bool registered = mcore::registerBuiltinNodeType(
        "pathProbe", MTypeId(0x7F3B1), [] { return static_cast<void*>(new PathProbe()); },
        [] { return MStatus(MS::kSuccess); }, MPxNode::kLocatorNode,
        {MFn::kPluginLocatorNode, MFn::kLocator, MFn::kShape, MFn::kDagNode, MFn::kDependencyNode});
    ASSERT_TRUE(registered);
}

} // namespace

TEST(LocatorDrawPath, IsTheParentTransformsPath) {
    registerProbe();
    viewtest::openFixtureScene();
    ASSERT_TRUE(MGlobal::executeCommand("createNode transform -n outer; "
                                        "createNode transform -n inner -p outer; "
                                        "createNode pathProbe -n probeShape -p inner; "
                                        "setAttr outer.translate 1 2 -20"));
    hostkit::Viewport viewport("shotCam", viewtest::kPort, viewtest::kPort);
    gDraws.clear();
    viewport.drawLocators();
    ASSERT_EQ(gDraws.size(), 1u);
    EXPECT_EQ(gDraws[0].path, "|outer|inner");
    EXPECT_TRUE(gDraws[0].isTransform);
    EXPECT_EQ(gDraws[0].shapeBelow, "probeShape");
    // The camera sits at the origin looking down -Z: the locator's origin is where outer put it.
    EXPECT_NEAR(gDraws[0].modelViewOrigin[0], 1.0, 1e-9);
    EXPECT_NEAR(gDraws[0].modelViewOrigin[1], 2.0, 1e-9);
    EXPECT_NEAR(gDraws[0].modelViewOrigin[2], -20.0, 1e-9);
}
