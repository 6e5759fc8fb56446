#pragma once
// The reticle in Viewport 2.0: the legacy draw's overlay through the draw manager, in viewport
// pixels. Updated on every refresh, since it follows the camera and the port; prepareForDraw
// reads the node's plugs only when its cached copies are out of date or the time changed, and
// addUIDrawables only emits the prepared picture.
#include "uiDrawOverride.h"

#include <maya/MDagPath.h>
#include <maya/MFrameContext.h>
#include <maya/MObject.h>
#include <maya/MUIDrawManager.h>
#include <maya/MUserData.h>

class ReticleDrawOverride : public UIDrawOverride {
public:
    static MHWRender::MPxDrawOverride* creator(const MObject& obj);
    ~ReticleDrawOverride() override;

    MUserData* prepareForDraw(const MDagPath& objPath, const MDagPath& cameraPath,
                              const MHWRender::MFrameContext& frameContext,
                              MUserData* oldData) override;
    void addUIDrawables(const MDagPath& objPath, MHWRender::MUIDrawManager& drawManager,
                        const MHWRender::MFrameContext& frameContext,
                        const MUserData* data) override;

private:
    explicit ReticleDrawOverride(const MObject& obj);
};
