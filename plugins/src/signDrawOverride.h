#pragma once
// The sign in Viewport 2.0: the legacy draw's picture through the draw manager. Updated only
// when the node changes (or its display status does): prepareForDraw then reads the node and
// lays every vertex out in the locator's space; addUIDrawables only emits them.
#include "uiDrawOverride.h"

#include <maya/MDagPath.h>
#include <maya/MFrameContext.h>
#include <maya/MObject.h>
#include <maya/MUIDrawManager.h>
#include <maya/MUserData.h>

class SignDrawOverride : public UIDrawOverride {
public:
    static MHWRender::MPxDrawOverride* creator(const MObject& obj);
    ~SignDrawOverride() override;

    MUserData* prepareForDraw(const MDagPath& objPath, const MDagPath& cameraPath,
                              const MHWRender::MFrameContext& frameContext,
                              MUserData* oldData) override;
    void addUIDrawables(const MDagPath& objPath, MHWRender::MUIDrawManager& drawManager,
                        const MHWRender::MFrameContext& frameContext,
                        const MUserData* data) override;

private:
    explicit SignDrawOverride(const MObject& obj);
};
