#pragma once
// Base of the plug-in's Viewport 2.0 draw overrides. They draw only through the draw manager, so
// nothing is device-specific and they run on every device; like the legacy locators they are
// drawn with the transparent objects; they have no draw callback.
#include <maya/MObject.h>
#include <maya/MPxDrawOverride.h>
#include <maya/MViewport2Renderer.h>

class UIDrawOverride : public MHWRender::MPxDrawOverride {
public:
    MHWRender::DrawAPI supportedDrawAPIs() const override { return MHWRender::kAllDevices; }
    bool hasUIDrawables() const override { return true; }
    bool isTransparent() const override { return true; }

protected:
    UIDrawOverride(const MObject& obj, bool isAlwaysDirty)
        : MPxDrawOverride(obj, nullptr, isAlwaysDirty) {}
};
