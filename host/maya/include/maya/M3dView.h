#pragma once
// Legacy viewport (OpenMayaUI). In the stand-in a view draws into an offscreen framebuffer of a
// real OpenGL compatibility context owned by hostkit::Viewport.
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>
#include <maya/MColor.h>
#include <maya/MMatrix.h>
#include <maya/MDagPath.h>
#include <maya/MTypes.h>

namespace hostkit {
class Viewport;
}

class M3dView {
public:
    enum DisplayStyle { kBoundingBox, kFlatShaded, kGouraudShaded, kWireFrame, kPoints };
    enum DisplayStatus {
        kActive,
        kLive,
        kDormant,
        kInvisible,
        kHilite,
        kTemplate,
        kActiveTemplate,
        kActiveComponent,
        kLead,
        kIntermediateObject,
        kActiveAffected,
        kNoStatus
    };
    enum ColorTable {
        kActiveColors = kActive,
        kDormantColors = kDormant,
        kTemplateColor = kTemplate,
        kBackgroundColor
    };
    enum TextPosition { kLeft, kCenter, kRight };

    M3dView();
    M3dView(const M3dView& other);
    M3dView& operator=(const M3dView& other);
    virtual ~M3dView();

    static M3dView active3dView(MStatus* ReturnStatus = NULL);
    static DisplayStatus displayStatus(const MDagPath& path, MStatus* ReturnStatus = NULL);

    // Bracket OpenGL drawing in a legacy draw().
    OPENMAYA_DEPRECATED(2019, "Use Viewport 2.0 APIs instead.")
    MStatus beginGL();
    OPENMAYA_DEPRECATED(2019, "Use Viewport 2.0 APIs instead.")
    MStatus endGL();
    DisplayStyle displayStyle(MStatus* ReturnStatus = NULL) const;
    MStatus getCamera(MDagPath& camera);
    int portWidth(MStatus* ReturnStatus = NULL);
    int portHeight(MStatus* ReturnStatus = NULL);
    MStatus viewToWorld(short x_pos, short y_pos, MPoint& worldPt, MVector& worldVector) const;
    MStatus viewToWorld(short x_pos, short y_pos, MPoint& nearClipPt, MPoint& farClipPt) const;
    bool worldToView(const MPoint& worldPt, short& x_pos, short& y_pos,
                     MStatus* ReturnStatus = NULL) const;
    MStatus modelViewMatrix(MMatrix& modelView) const;
    MStatus projectionMatrix(MMatrix& projection) const;

private:
    friend class hostkit::Viewport;
    void* fPtr; // the hostkit::Viewport this view belongs to; null for a view of nothing
};
