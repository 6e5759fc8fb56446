// Viewport 2.0 mode: the update of the draw overrides (prepareForDraw, addUIDrawables) and the
// drawing of what they recorded, with the overrides' lifetime tied to their nodes and creators.
#include "viewport_impl.h"

#include "core/internal.h"
#include "vp2/draw_override_access.h"
#include "vp2/draw_recording.h"
#include "vp2/frame_data.h"

#include <hostkit/host.h>
#include <maya/MFrameContext.h>
#include <maya/MPxLocatorNode.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace hostkit {
namespace detail {

OverrideSlot::~OverrideSlot() {
    delete data;
    delete instance;
}

namespace {

MHWRender::DrawAPI deviceOf(RenderingEngine engine) {
    switch (engine) {
    case RenderingEngine::kOpenGLLegacy:
        return MHWRender::kOpenGL;
    case RenderingEngine::kDirectX11:
        return MHWRender::kDirectX11;
    default:
        return MHWRender::kOpenGLCoreProfile;
    }
}

// Maya runs a plug-in locator's legacy draw in Viewport 2.0 only when asked to, and only where
// the fixed-function pipeline exists.
bool legacyDrawAllowed(RenderingEngine engine) {
    return std::getenv("MAYA_ENABLE_VP2_PLUGIN_LOCATOR_LEGACY_DRAW") != nullptr &&
           (engine == RenderingEngine::kOpenGLLegacy ||
            engine == RenderingEngine::kOpenGLCoreCompatibility);
}

unsigned int displayStyleBits(M3dView::DisplayStyle style) {
    switch (style) {
    case M3dView::kGouraudShaded:
        return MHWRender::MFrameContext::kGouraudShaded;
    case M3dView::kFlatShaded:
        return MHWRender::MFrameContext::kFlatShaded;
    case M3dView::kBoundingBox:
        return MHWRender::MFrameContext::kBoundingBox;
    default:
        return MHWRender::MFrameContext::kWireFrame;
    }
}

mvp2::FrameData frameOf(const Viewport& viewport) {
    mvp2::FrameData frame;
    frame.camera = viewport.camera();
    frame.width = viewport.width();
    frame.height = viewport.height();
    frame.view = viewport.viewMatrix();
    frame.projection = viewport.projectionMatrix();
    frame.displayStyle = displayStyleBits(viewport.displayStyle());
    return frame;
}

OverrideSlot& slotFor(Vp2State& state, const MObject& node, mvp2::Creator creator) {
    for (auto& slot : state.slots) {
        if (slot->node != node)
            continue;
        if (slot->creator != creator) // another registrant now serves the classification
            slot = std::make_unique<OverrideSlot>(node, creator);
        return *slot;
    }
    state.slots.push_back(std::make_unique<OverrideSlot>(node, creator));
    return *state.slots.back();
}

void deleteAfterUse(OverrideSlot& slot) {
    if (slot.data && slot.data->deleteAfterUse()) {
        delete slot.data;
        slot.data = nullptr;
    }
}

// prepareForDraw, then addUIDrawables, recording their plug reads and drawables.
void update(OverrideSlot& slot, const LocatorToDraw& locator, const MDagPath& camera,
            const MHWRender::MFrameContext& context, OverrideDraw& record) {
    MHWRender::MPxDrawOverride& instance = *slot.instance;
    slot.changes = mcore::changeCount(slot.node);
    slot.status = record.status;
    slot.updated = true;
    record.updated = true;

    long reads = plugReads(slot.node);
    MUserData* data = instance.prepareForDraw(locator.path, camera, context, slot.data);
    record.prepareReads = plugReads(slot.node) - reads;
    if (data != slot.data)
        delete slot.data; // the host owns the data the override handed back before
    slot.data = data;

    mvp2::DrawRecording recording;
    if (instance.hasUIDrawables()) {
        reads = plugReads(slot.node);
        DrawManagerAccess::record(recording, [&](MHWRender::MUIDrawManager& manager) {
            instance.addUIDrawables(locator.path, manager, context, data);
        });
        record.drawReads = plugReads(slot.node) - reads;
    }
    slot.drawables = std::move(recording.drawables);
    slot.refused = std::move(recording.refused);
    if (!DrawOverrideAccess::callback(instance))
        deleteAfterUse(slot);
}

template <class Gone> void forgetOverrides(Gone gone) {
    for (Viewport* viewport : liveViewports()) {
        Vp2State& state = ViewportAccess::impl(*viewport).vp2;
        state.slots.erase(std::remove_if(state.slots.begin(), state.slots.end(),
                                         [&](const auto& slot) { return gone(*slot); }),
                          state.slots.end());
        state.items.clear();
    }
}

} // namespace

void forgetOverridesOf(const MObject& node) {
    forgetOverrides([&](const OverrideSlot& slot) { return slot.node == node; });
}

void forgetOverridesMadeBy(mvp2::Creator creator) {
    forgetOverrides([&](const OverrideSlot& slot) { return slot.creator == creator; });
}

namespace {

// Overrides go with their node, and with their creator while its code is still loaded.
const bool hooked = (mcore::addStartupHook([] {
                         mcore::addNodeRemovedCallback(forgetOverridesOf);
                         mvp2::setCreatorGoneHook(forgetOverridesMadeBy);
                     }),
                     true);

} // namespace
} // namespace detail

void Viewport::updateOverrides() {
    detail::Vp2State& state = impl_->vp2;
    state.draws.clear();
    state.items.clear();
    impl_->draws.clear();
    const mvp2::FrameData frame = detail::frameOf(*this);
    const HostDrawContext context(frame);
    const MHWRender::DrawAPI device = detail::deviceOf(impl_->engine);

    for (const detail::LocatorToDraw& locator : detail::locatorsToDraw()) {
        const MObject node = locator.node->thisMObject();
        OverrideDraw record;
        const mvp2::Creator creator =
            mvp2::creatorFor(mcore::typeClassification(node), &record.classification);
        if (!creator) {
            if (detail::legacyDrawAllowed(impl_->engine))
                state.items.push_back({nullptr, 0, locator});
            continue;
        }
        detail::OverrideSlot& slot = detail::slotFor(state, node, creator);
        if (!slot.instance)
            slot.instance = creator(node);
        if (!slot.instance)
            continue;
        record.path = locator.path.fullPathName().asChar();
        if ((slot.instance->supportedDrawAPIs() & device) == 0) {
            if (!slot.unsupportedReported)
                std::cerr << "Failed to create evaluator for \"" << record.classification
                          << "\" classification because the current drawing API isn't "
                             "supported\n";
            slot.unsupportedReported = true;
            continue;
        }
        record.status =
            static_cast<MHWRender::DisplayStatus>(detail::displayStatusOf(locator.path));
        const bool dirty = DrawOverrideAccess::isAlwaysDirty(*slot.instance) || !slot.updated ||
                           slot.changes != mcore::changeCount(node) || slot.status != record.status;
        if (dirty)
            detail::update(slot, locator, impl_->camera, context, record);
        record.world = slot.instance->transform(locator.path, impl_->camera);
        record.drawables = slot.drawables;
        record.refused = slot.refused;
        state.items.push_back({&slot, state.draws.size(), locator});
        state.draws.push_back(std::move(record));
    }
}

void Viewport::drawUpdatedOverrides() {
    impl_->canvas.makeCurrent();
    impl_->draws.clear();
    detail::Vp2State& state = impl_->vp2;
    const mvp2::FrameData frame = detail::frameOf(*this);
    const HostDrawContext context(frame);
    detail::DrawingScope scope(this);
    for (const detail::Vp2Item& item : state.items) {
        if (!item.slot) {
            detail::drawLegacyLocator(*this, item.legacy);
            continue;
        }
        detail::renderDrawables(*this, state.draws[item.record]);
        const auto callback = DrawOverrideAccess::callback(*item.slot->instance);
        if (callback) {
            callback(context, item.slot->data);
            detail::deleteAfterUse(*item.slot);
        }
    }
}

const std::vector<OverrideDraw>& Viewport::overrideDraws() const {
    return impl_->vp2.draws;
}

MPoint Viewport::toWindow(const OverrideDraw& draw, const Drawable& drawable,
                          const MPoint& position) const {
    if (drawable.screenSpace)
        return position;
    MPoint clip = position * draw.world * viewMatrix() * projectionMatrix();
    clip.cartesianize();
    return MPoint((clip.x + 1.0) * 0.5 * width(), (clip.y + 1.0) * 0.5 * height(),
                  (clip.z + 1.0) * 0.5);
}

} // namespace hostkit
