#include "viewport_impl.h"

#include <algorithm>

namespace hostkit::detail {
namespace {

std::vector<Viewport*>& live() {
    static std::vector<Viewport*> viewports;
    return viewports;
}

Viewport* drawingNow = nullptr;

} // namespace

void registerViewport(Viewport* viewport) {
    live().push_back(viewport);
}

void unregisterViewport(Viewport* viewport) {
    auto& all = live();
    all.erase(std::remove(all.begin(), all.end(), viewport), all.end());
    if (drawingNow == viewport)
        drawingNow = nullptr;
}

bool isLiveViewport(const void* viewport) {
    const auto& all = live();
    return viewport && std::find(all.begin(), all.end(), viewport) != all.end();
}

std::vector<Viewport*> liveViewports() {
    return live();
}

Viewport* activeViewport() {
    if (drawingNow)
        return drawingNow;
    return live().empty() ? nullptr : live().back();
}

DrawingScope::DrawingScope(Viewport* viewport) : previous_(drawingNow) {
    drawingNow = viewport;
}

DrawingScope::~DrawingScope() {
    drawingNow = previous_;
}

} // namespace hostkit::detail
