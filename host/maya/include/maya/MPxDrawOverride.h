#pragma once
// Viewport 2.0 draw override of a DAG node type: the host makes one per drawn object through the
// creator registered for the type's classification (MDrawRegistry), calls prepareForDraw to
// gather what the drawing needs (the only place to read plugs), then addUIDrawables to emit it.
// With isAlwaysDirty false, both run only when the object changed (a value of the node, a
// connection, its display status); the drawables of the last update are drawn meanwhile.
#include <maya/MBoundingBox.h>
#include <maya/MDagPath.h>
#include <maya/MDrawContext.h>
#include <maya/MFrameContext.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MString.h>
#include <maya/MUIDrawManager.h>
#include <maya/MUserData.h>
#include <maya/MViewport2Renderer.h>

namespace hostkit {
struct DrawOverrideAccess;
}

namespace MHWRender {

class MPxDrawOverride {
public:
    typedef void (*GeometryDrawOverrideCb)(const MDrawContext& context, const MUserData* data);

    MPxDrawOverride(const MObject& obj, GeometryDrawOverrideCb callback, bool isAlwaysDirty = true);
    virtual ~MPxDrawOverride();

    // The devices the override can draw on; the base says OpenGL only.
    virtual ::MHWRender::DrawAPI supportedDrawAPIs() const;
    // addUIDrawables is called only when this is true.
    virtual bool hasUIDrawables() const;

    // The object's world matrix for the draw; the base gives the path's inclusive matrix.
    virtual MMatrix transform(const MDagPath& objPath, const MDagPath& cameraPath) const;
    virtual MBoundingBox boundingBox(const MDagPath& objPath, const MDagPath& cameraPath) const;
    virtual bool isBounded(const MDagPath& objPath, const MDagPath& cameraPath) const;
    virtual bool disableInternalBoundingBoxDraw() const;
    virtual bool excludedFromPostEffects() const;
    virtual bool isTransparent() const;

    virtual MUserData* prepareForDraw(const MDagPath& objPath, const MDagPath& cameraPath,
                                      const MFrameContext& frameContext, MUserData* oldData) = 0;
    virtual void addUIDrawables(const MDagPath& objPath, MUIDrawManager& drawManager,
                                const MFrameContext& frameContext, const MUserData* data);

    static const char* className();

private:
    friend struct hostkit::DrawOverrideAccess;
    MPxDrawOverride(const MPxDrawOverride&) = delete;
    MPxDrawOverride& operator=(const MPxDrawOverride&) = delete;
    GeometryDrawOverrideCb fCallback;
    bool fIsAlwaysDirty;
};

} // namespace MHWRender
