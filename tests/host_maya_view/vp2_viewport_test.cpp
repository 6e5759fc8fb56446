// The viewport's Viewport 2.0 mode with the test plug-in's override and overrides of this test
// program: what is updated when, which engines draw what, who owns the overrides and their data,
// and how recorded drawables are drawn.
#include "fixture_scene.h"
#include "gl_recorder.h"

#include <hostkit/drawables.h>
#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <hostkit/viewport.h>
#include <maya/MDrawRegistry.h>
#include <maya/MGlobal.h>

#include <GL/gl.h>
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using hostkit::Drawable;
using hostkit::FeedbackRecord;
using hostkit::OverrideDraw;
using hostkit::RenderingEngine;
using hostkit::Viewport;
using hostkit::ViewportMode;
using viewtest::kPort;

namespace {

const MString kClassification("drawdb/geometry/fixtureLine");

std::vector<FeedbackRecord> recordsOf(const std::vector<FeedbackRecord>& records,
                                      FeedbackRecord::Kind kind) {
    std::vector<FeedbackRecord> result;
    for (const FeedbackRecord& r : records)
        if (r.kind == kind)
            result.push_back(r);
    return result;
}

// An override of this program, taking over fixtureLine nodes (the latest registrant wins) while
// the object lives. Its behaviour is set through the statics.
class TestOverride : public MHWRender::MPxDrawOverride {
public:
    static int alive;
    static int dataAlive;
    static int callbacks;
    static bool withCallback;
    static MHWRender::DrawAPI devices;
    static bool freshDataEachTime;
    static bool deleteDataAfterUse;
    static MUserData* lastOldData;
    static std::function<void(MHWRender::MUIDrawManager&)> emit;

    class Data : public MUserData {
    public:
        explicit Data(bool deleteAfterUse) : MUserData(deleteAfterUse) { ++dataAlive; }
        ~Data() override { --dataAlive; }
    };

    static MHWRender::MPxDrawOverride* creator(const MObject& obj) { return new TestOverride(obj); }
    static void onDraw(const MHWRender::MDrawContext& context, const MUserData* data) {
        int x, y, width, height;
        context.getViewportDimensions(x, y, width, height);
        EXPECT_EQ(width, kPort);
        EXPECT_NE(data, nullptr);
        ++callbacks;
    }

    ~TestOverride() override { --alive; }
    MHWRender::DrawAPI supportedDrawAPIs() const override { return devices; }
    bool hasUIDrawables() const override { return true; }
    MUserData* prepareForDraw(const MDagPath&, const MDagPath&, const MHWRender::MFrameContext&,
                              MUserData* oldData) override {
        lastOldData = oldData;
        return oldData && !freshDataEachTime ? oldData : new Data(deleteDataAfterUse);
    }
    void addUIDrawables(const MDagPath&, MHWRender::MUIDrawManager& drawManager,
                        const MHWRender::MFrameContext&, const MUserData*) override {
        emit(drawManager);
    }

private:
    explicit TestOverride(const MObject& obj)
        : MPxDrawOverride(obj, withCallback ? onDraw : nullptr, true) {
        ++alive;
    }
};

int TestOverride::alive = 0;
int TestOverride::dataAlive = 0;
int TestOverride::callbacks = 0;
bool TestOverride::withCallback = true;
MHWRender::DrawAPI TestOverride::devices = MHWRender::kAllDevices;
bool TestOverride::freshDataEachTime = false;
bool TestOverride::deleteDataAfterUse = false;
MUserData* TestOverride::lastOldData = nullptr;
std::function<void(MHWRender::MUIDrawManager&)> TestOverride::emit;

class Viewport2 : public testing::Test {
protected:
    void SetUp() override {
        viewtest::openFixtureScene();
        unsetenv("MAYA_ENABLE_VP2_PLUGIN_LOCATOR_LEGACY_DRAW"); // the user's shell may set it
        TestOverride::devices = MHWRender::kAllDevices;
        TestOverride::freshDataEachTime = false;
        TestOverride::deleteDataAfterUse = false;
        TestOverride::callbacks = 0;
        TestOverride::withCallback = true;
        TestOverride::emit = [](MHWRender::MUIDrawManager&) {};
    }
    void TearDown() override {
        if (registered)
            MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(kClassification, "test");
        unsetenv("MAYA_ENABLE_VP2_PLUGIN_LOCATOR_LEGACY_DRAW");
    }

    void takeOver() {
        ASSERT_TRUE(MHWRender::MDrawRegistry::registerDrawOverrideCreator(kClassification, "test",
                                                                          TestOverride::creator));
        registered = true;
    }

    bool registered = false;
};

} // namespace

TEST_F(Viewport2, DrawsTheTestLocatorThroughItsOverrideWhereTheLegacyViewportDrawsIt) {
    Viewport viewport("shotCam", kPort, kPort);
    const auto legacy = recordsOf(viewport.capture(), FeedbackRecord::kLine);
    viewport.setMode(ViewportMode::kViewport2);
    viewport.drawHostContent();
    const hostkit::GlState before = viewport.glState();
    viewport.drawLocators();
    EXPECT_EQ(viewport.glState(), before) << before.describe();
    const auto drawn = recordsOf(viewport.capture(), FeedbackRecord::kLine);
    ASSERT_EQ(legacy.size(), 1u);
    ASSERT_EQ(drawn.size(), 1u);
    for (int k = 0; k < 2; ++k) {
        EXPECT_NEAR(drawn[0].vertices[k].x, legacy[0].vertices[k].x, 1e-3);
        EXPECT_NEAR(drawn[0].vertices[k].y, legacy[0].vertices[k].y, 1e-3);
        EXPECT_FLOAT_EQ(drawn[0].vertices[k].r, 1.0f);
    }
    EXPECT_TRUE(viewport.locatorDraws().empty()); // no legacy draw ran
    ASSERT_EQ(viewport.overrideDraws().size(), 1u);
    const OverrideDraw& draw = viewport.overrideDraws()[0];
    EXPECT_EQ(draw.path, "|marker|markerShape");
    EXPECT_EQ(draw.classification, "drawdb/geometry/fixtureLine");
    ASSERT_EQ(draw.drawables.size(), 1u);
    EXPECT_EQ(draw.drawables[0].kind, Drawable::kLines);
    EXPECT_FALSE(draw.drawables[0].screenSpace);
    EXPECT_EQ(draw.drawables[0].lineWidth, 3.0f);
    EXPECT_EQ(draw.drawables[0].positions[1].x, 5.0);
}

TEST_F(Viewport2, UpdatesAnOverrideThatIsNotAlwaysDirtyOnlyWhenItsObjectChanged) {
    Viewport viewport("shotCam", kPort, kPort);
    viewport.setMode(ViewportMode::kViewport2);
    auto update = [&viewport] {
        viewport.updateOverrides();
        return viewport.overrideDraws().at(0);
    };
    EXPECT_TRUE(update().updated);
    EXPECT_FALSE(update().updated);
    ASSERT_TRUE(hostkit::setAttr("markerShape.length", 2.0));
    OverrideDraw draw = update();
    EXPECT_TRUE(draw.updated);
    EXPECT_EQ(draw.prepareReads, 1);
    EXPECT_EQ(draw.drawables.at(0).positions[1].x, 2.0);
    // Moving the transform moves what was recorded without an update.
    ASSERT_TRUE(hostkit::setAttrValues("marker.translate", {1, 0, -10}));
    draw = update();
    EXPECT_FALSE(draw.updated);
    viewport.drawUpdatedOverrides();
    const auto moved = recordsOf(viewport.capture(), FeedbackRecord::kLine);
    EXPECT_NEAR(moved.at(0).vertices[0].x, 110, 1e-3);
    MGlobal::selectByName("marker");
    draw = update();
    EXPECT_TRUE(draw.updated);
    EXPECT_EQ(draw.status, MHWRender::kLead);
    EXPECT_EQ(draw.drawables.at(0).color, MColor(0, 1, 0));
    hostkit::clearSelection();
    EXPECT_TRUE(update().updated);
}

TEST_F(Viewport2, OverridesDrawOnTheirEnginesAndLegacyDrawsOnlyWhenMayaAllowsThem) {
    viewtest::openFixtureScene(R"(createNode transform -n "old";
	setAttr ".t" -type "double3" 0 -2 -10 ;
createNode fixtureLegacyLine -n "oldShape" -p "old";
)");
    takeOver();
    TestOverride::devices = MHWRender::kOpenGL;
    TestOverride::emit = [](MHWRender::MUIDrawManager& manager) {
        manager.beginDrawable();
        manager.point(MPoint());
        manager.endDrawable();
    };
    Viewport viewport("shotCam", kPort, kPort);
    viewport.setMode(ViewportMode::kViewport2);
    testing::internal::CaptureStderr();
    viewport.updateOverrides();
    viewport.updateOverrides();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Failed to create evaluator for \"drawdb/geometry/fixtureLine\" classification "
              "because the current drawing API isn't supported\n");
    EXPECT_TRUE(viewport.overrideDraws().empty());
    viewport.setRenderingEngine(RenderingEngine::kOpenGLLegacy);
    viewport.updateOverrides();
    ASSERT_EQ(viewport.overrideDraws().size(), 1u);
    EXPECT_EQ(viewport.overrideDraws()[0].drawables.at(0).kind, Drawable::kPoints);

    // The locator without an override: its legacy draw, only when asked for and possible.
    const struct {
        RenderingEngine engine;
        bool drawn;
    } engines[] = {{RenderingEngine::kOpenGLLegacy, true},
                   {RenderingEngine::kOpenGLCoreCompatibility, true},
                   {RenderingEngine::kOpenGLCoreStrict, false},
                   {RenderingEngine::kDirectX11, false}};
    viewport.drawLocators();
    EXPECT_TRUE(viewport.locatorDraws().empty());
    setenv("MAYA_ENABLE_VP2_PLUGIN_LOCATOR_LEGACY_DRAW", "1", 1);
    for (const auto& engine : engines) {
        viewport.setRenderingEngine(engine.engine);
        viewport.drawLocators();
        EXPECT_EQ(viewport.locatorDraws().size(), engine.drawn ? 1u : 0u);
    }
}

TEST_F(Viewport2, TheHostOwnsTheOverridesAndTheirData) {
    takeOver();
    Viewport viewport("shotCam", kPort, kPort);
    viewport.setMode(ViewportMode::kViewport2);
    viewport.drawLocators();
    EXPECT_EQ(TestOverride::alive, 1);
    EXPECT_EQ(TestOverride::dataAlive, 1);
    EXPECT_EQ(TestOverride::lastOldData, nullptr);
    EXPECT_EQ(TestOverride::callbacks, 1); // the draw callback, with the data
    viewport.drawLocators();
    EXPECT_NE(TestOverride::lastOldData, nullptr); // handed back for reuse
    // Data replaced by new data is deleted; data to delete after use goes after its use.
    TestOverride::freshDataEachTime = true;
    viewport.drawLocators();
    EXPECT_EQ(TestOverride::dataAlive, 1);
    TestOverride::deleteDataAfterUse = true;
    viewport.drawLocators();
    EXPECT_EQ(TestOverride::dataAlive, 0);
    viewport.drawLocators();
    EXPECT_EQ(TestOverride::lastOldData, nullptr);
    TestOverride::deleteDataAfterUse = false;
    viewport.drawLocators();
    EXPECT_EQ(TestOverride::callbacks, 6);

    // The override and its data go with the node, and with the creator.
    ASSERT_TRUE(hostkit::deleteNode(hostkit::findNode("markerShape")));
    EXPECT_EQ(TestOverride::alive, 0);
    EXPECT_EQ(TestOverride::dataAlive, 0);
    ASSERT_TRUE(MGlobal::executeCommand("createNode fixtureLine -n \"againShape\" -p \"marker\""));
    viewport.drawLocators();
    EXPECT_EQ(TestOverride::alive, 1);
    ASSERT_TRUE(MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(kClassification, "test"));
    registered = false;
    EXPECT_EQ(TestOverride::alive, 0);
    EXPECT_EQ(TestOverride::dataAlive, 0);
    viewport.updateOverrides(); // the test plug-in's own override serves the node again
    EXPECT_EQ(viewport.overrideDraws().at(0).drawables.at(0).lineWidth, 3.0f);
}

TEST_F(Viewport2, DrawsDrawablesWithTheirStateOnThePortOrInTheObjectsSpace) {
    takeOver();
    TestOverride::withCallback = false;
    TestOverride::emit = [](MHWRender::MUIDrawManager& manager) {
        manager.beginDrawable();
        manager.setColor(MColor(0.2f, 0.4f, 0.6f, 0.5f));
        manager.line2d(MPoint(10, 20), MPoint(60, 20));
        manager.setLineStyle(2, 0x00FF);
        manager.setLineWidth(4.0f);
        manager.line(MPoint(0, 0, 0), MPoint(5, 0, 0));
        manager.setLineStyle(MHWRender::MUIDrawManager::kSolid);
        manager.setDepthPriority(200);
        manager.line(MPoint(0, 0, 0), MPoint(5, 0, 0));
        manager.setFontSize(18);
        manager.text2d(MPoint(150, 50), "Hi", MHWRender::MUIDrawManager::kRight);
        manager.setFontSize(MHWRender::MUIDrawManager::kSmallFontSize);
        manager.text(MPoint(0, 0, 0), "x");
        manager.endDrawable();
    };
    Viewport viewport("shotCam", kPort, kPort);
    viewport.setMode(ViewportMode::kViewport2);
    glrec::Recorder recorder;
    const std::vector<FeedbackRecord> records = viewport.capture();
    recorder.stop();
    const auto lines = recordsOf(records, FeedbackRecord::kLine);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FLOAT_EQ(lines[0].vertices[0].x, 10.0f); // port pixels
    EXPECT_FLOAT_EQ(lines[0].vertices[1].y, 20.0f);
    EXPECT_NEAR(lines[0].vertices[0].a, 0.5f, 1e-6);
    EXPECT_NEAR(lines[1].vertices[1].x, 150.0f, 1e-3); // the object's space
    // A higher depth priority comes nearer the camera.
    EXPECT_LT(lines[2].vertices[0].z, lines[1].vertices[0].z);
    EXPECT_GT(lines[2].vertices[0].z, lines[1].vertices[0].z - 0.01f);
    const auto stipples = recorder.count("glLineStipple");
    EXPECT_EQ(stipples, 1);
    bool widthSet = false;
    for (const glrec::Call& call : recorder.calls())
        widthSet = widthSet || (call.name == "glLineWidth" && call.args[0] == 4.0);
    EXPECT_TRUE(widthSet);

    // Text: right-aligned at its pixel, and at the object's origin, over everything.
    const auto bitmaps = recordsOf(records, FeedbackRecord::kBitmap);
    ASSERT_EQ(bitmaps.size(), 3u);
    const int width = glutBitmapWidth(GLUT_BITMAP_HELVETICA_18, 'H') +
                      glutBitmapWidth(GLUT_BITMAP_HELVETICA_18, 'i');
    EXPECT_FLOAT_EQ(bitmaps[0].vertices[0].x, 150.0f - width);
    EXPECT_FLOAT_EQ(bitmaps[0].vertices[0].y, 50.0f);
    EXPECT_NEAR(bitmaps[2].vertices[0].x, 100.0f, 1e-3);
    EXPECT_NEAR(bitmaps[2].vertices[0].y, 100.0f, 1e-3);
}
