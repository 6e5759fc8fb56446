#pragma once
// A viewport's Viewport 2.0 state: one draw override per drawn object, with the user data and
// drawables of its last update.
#include "scene_access.h"
#include "vp2/draw_registry.h"

#include <hostkit/drawables.h>
#include <maya/MObject.h>
#include <maya/MPxDrawOverride.h>
#include <maya/MUserData.h>

#include <memory>
#include <string>
#include <vector>

namespace hostkit::detail {

struct OverrideSlot {
    OverrideSlot(const MObject& node, mvp2::Creator creator) : node(node), creator(creator) {}
    ~OverrideSlot(); // the user data, then the override
    OverrideSlot(const OverrideSlot&) = delete;
    OverrideSlot& operator=(const OverrideSlot&) = delete;

    MObject node;
    mvp2::Creator creator;
    MHWRender::MPxDrawOverride* instance = nullptr;
    MUserData* data = nullptr;
    bool updated = false; // has had an update
    long changes = 0;     // the node's change count when the last update began
    MHWRender::DisplayStatus status = MHWRender::kNoStatus;
    std::vector<Drawable> drawables;
    std::vector<std::string> refused;
    bool unsupportedReported = false;
};

// What one Viewport 2.0 draw goes through, in locator order: an override's drawables, or a
// locator's legacy draw.
struct Vp2Item {
    OverrideSlot* slot = nullptr; // null for a legacy fallback
    std::size_t record = 0;       // index into the viewport's override draws
    LocatorToDraw legacy;
};

struct Vp2State {
    std::vector<std::unique_ptr<OverrideSlot>> slots;
    std::vector<OverrideDraw> draws;
    std::vector<Vp2Item> items;
};

} // namespace hostkit::detail
