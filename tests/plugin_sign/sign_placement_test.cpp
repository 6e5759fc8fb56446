// Where a sign lands on screen under a hierarchy of transforms: its draw is handed the parent
// transform's path and draws in the modelview the host set up, so the marker must follow every
// transform above it, then its own local position.
#include "sign_fixture.h"

using SignPlacement = SignSceneTest;

TEST_F(SignPlacement, FollowsTheTransformsAboveIt) {
    runMel("createNode transform -n rig;");
    const std::string sign = createSign("marker");
    runMel("parent marker rig;");
    set("rig.translate", {1, 0, -1});
    set("rig.rotate", {0, 90, 0});
    set("marker.translate", {0, 0, 1});
    set("marker.scale", {1.5, 1.5, 1.5});
    set(sign + ".localPosition", {0.5, 0, 0});
    hostkit::Viewport viewport(kCamera, 320, 240);

    std::vector<hostkit::FeedbackRecord> lines;
    for (const hostkit::FeedbackRecord& record : viewport.capture())
        if (record.kind == hostkit::FeedbackRecord::kLine)
            lines.push_back(record);
    ASSERT_GE(lines.size(), 64u);
    // The circle's first point, local (1, 0, 0), and its quarter-turn point, local (0, 0, -1),
    // worked out by hand: local position, marker's scale and move, rig's turn and move.
    const struct {
        std::size_t line;
        MPoint world;
    } expected[] = {{0, MPoint(2, 0, -3.25)}, {16, MPoint(0.5, 0, -1.75)}};
    for (const auto& point : expected) {
        SCOPED_TRACE(point.line);
        const MPoint window = toWindow(viewport, point.world);
        EXPECT_NEAR(lines[point.line].vertices.at(0).x, window.x, 0.01);
        EXPECT_NEAR(lines[point.line].vertices.at(0).y, window.y, 0.01);
    }
}
