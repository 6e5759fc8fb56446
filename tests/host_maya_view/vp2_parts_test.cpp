// Viewport 2.0 parts of the stand-in, directly: the draw manager's rules and the registry's
// choice of creator.
#include "vp2/draw_recording.h"
#include "vp2/draw_registry.h"

#include <gtest/gtest.h>

using hostkit::Drawable;
using MHWRender::MDrawRegistry;
using MHWRender::MUIDrawManager;

namespace {

mvp2::DrawRecording record(const std::function<void(MUIDrawManager&)>& emit) {
    mvp2::DrawRecording recording;
    hostkit::DrawManagerAccess::record(recording, emit);
    return recording;
}

MPointArray points(unsigned int count) {
    MPointArray array;
    for (unsigned int i = 0; i < count; ++i)
        array.append(MPoint(i, 2.0 * i, 0.0));
    return array;
}

MHWRender::MPxDrawOverride* first(const MObject&) {
    return nullptr;
}
MHWRender::MPxDrawOverride* second(const MObject&) {
    return nullptr;
}

} // namespace

TEST(DrawManager, RefusesWhatMayaRefusesAndResetsTheStateAtEachDrawable) {
    const mvp2::DrawRecording recording = record([](MUIDrawManager& manager) {
        manager.setColor(MColor(1, 0, 0));       // outside a drawable
        manager.line(MPoint(), MPoint(1, 0, 0)); // likewise
        manager.beginDrawable(MUIDrawManager::kNonSelectable);
        manager.beginDrawable(); // nested
        manager.setColor(MColor(0, 1, 0));
        manager.setLineStyle(MUIDrawManager::kDashed);
        EXPECT_EQ(manager.lineList(points(1), false), MS::kInvalidParameter);
        EXPECT_EQ(manager.lineList(points(5), true), MS::kSuccess); // the odd point dropped
        MColorArray* noColors = nullptr;
        manager.mesh2d(MUIDrawManager::kTriangles, points(3), noColors);
        manager.endDrawable();
        manager.beginDrawable();
        manager.lineStrip(points(2), false); // default state again
        const int background[2] = {10, 10};
        manager.text(MPoint(), "boxed", MUIDrawManager::kLeft, background);
        // left open
    });
    ASSERT_EQ(recording.drawables.size(), 3u);
    const Drawable& list = recording.drawables[0];
    EXPECT_EQ(list.kind, Drawable::kLines);
    EXPECT_TRUE(list.screenSpace);
    EXPECT_FALSE(list.selectable);
    EXPECT_EQ(list.positions.size(), 4u);
    EXPECT_EQ(list.color, MColor(0, 1, 0));
    EXPECT_EQ(list.stipplePattern, 0x00FF);
    EXPECT_EQ(recording.drawables[1].kind, Drawable::kTriangles);
    const Drawable& strip = recording.drawables[2];
    EXPECT_EQ(strip.kind, Drawable::kLineStrip);
    EXPECT_TRUE(strip.selectable);
    EXPECT_EQ(strip.color, MColor(0.7f, 0.7f, 0.7f));
    EXPECT_EQ(strip.stipplePattern, 0xFFFF);
    EXPECT_EQ(
        recording.refused,
        (std::vector<std::string>{"setColor outside beginDrawable/endDrawable",
                                  "line outside beginDrawable/endDrawable",
                                  "beginDrawable inside a drawable", "lineList with too few points",
                                  "text: text backgrounds are not supported by the stand-in",
                                  "drawable left open after addUIDrawables"}));
    EXPECT_FALSE(recording.open);
}

TEST(DrawRegistry, TheMostSpecificClassificationServesANodeAndTheLatestRegistrantAmongEquals) {
    ASSERT_EQ(MDrawRegistry::registerDrawOverrideCreator("drawdb/geometry/parts", "a", first),
              MS::kSuccess);
    EXPECT_EQ(mvp2::creatorFor("drawdb/geometry/parts"), first);
    EXPECT_EQ(mvp2::creatorFor("drawdb/geometry/parts/pointy"), first);
    EXPECT_EQ(mvp2::creatorFor("drawdb/geometry/partsOther"), nullptr);
    EXPECT_EQ(mvp2::creatorFor("shader/surface:drawdb/geometry/parts"), first);
    EXPECT_EQ(mvp2::creatorFor(""), nullptr);

    ASSERT_EQ(
        MDrawRegistry::registerDrawOverrideCreator("drawdb/geometry/parts/pointy", "a", second),
        MS::kSuccess);
    std::string matched;
    EXPECT_EQ(mvp2::creatorFor("drawdb/geometry/parts/pointy", &matched), second);
    EXPECT_EQ(matched, "drawdb/geometry/parts/pointy");
    EXPECT_EQ(mvp2::creatorFor("drawdb/geometry/parts"), first);
    ASSERT_EQ(MDrawRegistry::registerDrawOverrideCreator("drawdb/geometry/parts", "b", second),
              MS::kSuccess);
    EXPECT_EQ(mvp2::creatorFor("drawdb/geometry/parts"), second);
    // Only drawdb/geometry classifications are drawn by overrides.
    ASSERT_EQ(MDrawRegistry::registerDrawOverrideCreator("drawdb/shader/x", "a", first),
              MS::kSuccess);
    EXPECT_EQ(mvp2::creatorFor("drawdb/shader/x"), nullptr);

    EXPECT_EQ(MDrawRegistry::registerDrawOverrideCreator("drawdb/geometry/parts", "a", second),
              MS::kInvalidParameter);
    EXPECT_EQ(MDrawRegistry::registerDrawOverrideCreator("", "a", first), MS::kInvalidParameter);
    EXPECT_EQ(MDrawRegistry::registerDrawOverrideCreator("drawdb/geometry/y", "a", nullptr),
              MS::kInvalidParameter);
    EXPECT_EQ(MDrawRegistry::deregisterDrawOverrideCreator("drawdb/geometry/parts", "c"),
              MS::kFailure);
    for (const auto& [classification, registrant] :
         {std::pair<const char*, const char*>{"drawdb/geometry/parts", "a"},
          {"drawdb/geometry/parts/pointy", "a"},
          {"drawdb/geometry/parts", "b"},
          {"drawdb/shader/x", "a"}})
        EXPECT_EQ(MDrawRegistry::deregisterDrawOverrideCreator(classification, registrant),
                  MS::kSuccess);
    EXPECT_EQ(mvp2::creatorFor("drawdb/geometry/parts"), nullptr);
}
