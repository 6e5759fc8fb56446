// When the reticle reads its plugs: everything after a change of an internal attribute or of an
// array's element count, and only what every draw needs otherwise.
#include "deprecatedCalls.h"
#include "reticle_fixture.h"

#include <hostkit/scene.h>
#include <maya/MDGContext.h>
#include <maya/MDataHandle.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>
#include <maya/MPxLocatorNode.h>

namespace {
// An ordinary redraw reads the locator's world inverse matrix and, for the text overlay, the
// time: nothing else.
const long kEveryDraw = 2;

long readsOfOneDraw(hostkit::Viewport& viewport) {
    viewport.drawLocators();
    return viewport.locatorDraws().at(0).plugReads;
}

// A change of an internal attribute as Maya reports it: through the context form of the
// callback, deprecated for plug-ins to override but still the one Maya calls.
bool setInternal(MPxLocatorNode* node, const MObject& object, const MObject& attribute) {
    MDataHandle handle;
    MDGContext context;
    QUILLOMAR_DEPRECATED_CALL_BEGIN
    return node->setInternalValueInContext(MPlug(object, attribute), handle, context);
    QUILLOMAR_DEPRECATED_CALL_END
}

MPxLocatorNode* reticleNode() {
    for (const hostkit::LocatorInfo& locator : hostkit::locators())
        if (locator.path.partialPathName() == MString(kReticle))
            return locator.node;
    return nullptr;
}
} // namespace

TEST_F(ReticleTest, AnOrdinaryRedrawReadsOnlyWhatEveryDrawNeeds) {
    addAspect(0, 1.85, 2);
    addAspect(1, 2.39, 1);
    addAspect(2, 1.5, 0); // "none": only its ratio and mode are read
    addText(0, 1);
    addText(4, 3);
    hostkit::Viewport viewport(kCamera, 320, 180);
    const long first = readsOfOneDraw(viewport);
    // Switches 7 and line colour 4, apertures 2, aspects 2 x 12 + 2, texts 2 x 13, every draw 2.
    EXPECT_EQ(first, 11 + 2 + 26 + 26 + kEveryDraw);
    EXPECT_EQ(readsOfOneDraw(viewport), kEveryDraw);
    EXPECT_EQ(readsOfOneDraw(viewport), kEveryDraw);

    // Any internal attribute marks the copies out of date, nested ones included.
    for (const char* plug : {".displayThirdsH", ".aspectRatios[1].aspectLineTrans",
                             ".text[4].textPosX", ".verticalFilmAperture"}) {
        set(plug, 0.25);
        EXPECT_EQ(readsOfOneDraw(viewport), first) << plug;
        EXPECT_EQ(readsOfOneDraw(viewport), kEveryDraw) << plug;
    }
    // A pair set through its parent changes internal values too.
    for (const char* pair : {".filmbackAperture", ".text[4].textPos"}) {
        set(pair, {2.0, 1.0});
        EXPECT_EQ(readsOfOneDraw(viewport), first) << pair;
        EXPECT_EQ(readsOfOneDraw(viewport), kEveryDraw) << pair;
    }
    set("overlay.translateX", 3.0); // the transform's, not the reticle's
    EXPECT_EQ(readsOfOneDraw(viewport), kEveryDraw);
    set(".text[9].textType", 0);
    EXPECT_GT(readsOfOneDraw(viewport), first);
    // A removed element is caught by the count check alone.
    ASSERT_TRUE(hostkit::removeMultiInstance(std::string(kReticle) + ".text[9]"));
    const long afterRemoval = readsOfOneDraw(viewport);
    EXPECT_GT(afterRemoval, kEveryDraw);
    EXPECT_LT(afterRemoval, first) << "only the text array is read again";
    EXPECT_EQ(readsOfOneDraw(viewport), kEveryDraw);
}

TEST_F(ReticleTest, MatrixAndTemplateChangesLeaveTheCopiesAlone) {
    hostkit::Viewport viewport(kCamera, 320, 180);
    readsOfOneDraw(viewport);
    MPxLocatorNode* node = reticleNode();
    ASSERT_NE(node, nullptr);
    const MObject object = hostkit::findNode(kReticle);
    for (const MObject* attribute :
         {&MPxLocatorNode::worldInverseMatrix, &MPxLocatorNode::isTemplated}) {
        EXPECT_FALSE(setInternal(node, object, *attribute));
        EXPECT_EQ(readsOfOneDraw(viewport), kEveryDraw);
    }
    EXPECT_FALSE(setInternal(node, object, MPxLocatorNode::localScaleX));
    EXPECT_GT(readsOfOneDraw(viewport), kEveryDraw);
}

TEST_F(ReticleTest, DisabledDrawingReadsOnlyTheSwitchUntilItIsOnAgain) {
    hostkit::Viewport viewport(kCamera, 320, 180);
    const long first = readsOfOneDraw(viewport);
    // A new node reads its switches, line colour and apertures on its first draw.
    EXPECT_EQ(first, 11 + 2 + kEveryDraw);
    set(".drawingEnabled", 0);
    // The switch is read on every draw while it is off, as the copies stay out of date.
    EXPECT_EQ(readsOfOneDraw(viewport), 1);
    set(".displayCrosshair", 0); // not re-read while off
    EXPECT_EQ(readsOfOneDraw(viewport), 1);
    EXPECT_EQ(readsOfOneDraw(viewport), 1);
    set(".drawingEnabled", 1);
    EXPECT_EQ(readsOfOneDraw(viewport), first);
    EXPECT_EQ(readsOfOneDraw(viewport), kEveryDraw);
}

TEST_F(ReticleTest, TwelveTextsKeepTheTenLowestAndAreReadAgainEveryDraw) {
    for (int i = 0; i < 12; ++i)
        addText(20 - i, 0);
    hostkit::Viewport viewport(kCamera, 320, 180);
    const long first = readsOfOneDraw(viewport);
    // Ten never equals twelve: the ten texts' children are read on every draw.
    const long again = readsOfOneDraw(viewport);
    EXPECT_EQ(again, kEveryDraw + 10 * 13); // 13 values per text
    EXPECT_EQ(readsOfOneDraw(viewport), again);
    EXPECT_GT(first, again);
}
