#pragma once
// The "sign" locator: a marker shape with colour, opacity, line width, an optional tail line and a
// text label, or the control polygons of connected curves.
#include <maya/MPxLocatorNode.h>
#include <maya/M3dView.h>
#include <maya/MBoundingBox.h>
#include <maya/MDagPath.h>
#include <maya/MDataBlock.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

class Sign : public MPxLocatorNode {
public:
    ~Sign() override;
    MStatus compute(const MPlug& plug, MDataBlock& data) override;
    void draw(M3dView& view, const MDagPath& path, M3dView::DisplayStyle style,
              M3dView::DisplayStatus status) override;
    bool isBounded() const override;
    MBoundingBox boundingBox() const override;
    bool isTransparent() const override;

    static void* creator();
    static MStatus initialize();

    static const MString nodeTypeName;
    static const MTypeId nodeTypeId;

    static MObject aLocalRotateX;
    static MObject aLocalRotateY;
    static MObject aLocalRotateZ;
    static MObject aLocalRotate;
    static MObject aType;
    static MObject aInputCurve;
    static MObject aCvPositions;
    static MObject aEnableTailLine;
    static MObject aTailLineVectorX;
    static MObject aTailLineVectorY;
    static MObject aTailLineVectorZ;
    static MObject aTailLineVector;
    static MObject aRadius;
    static MObject aWidth;
    static MObject aColor;
    static MObject aAlpha;
    static MObject aText;
    static MObject aTextPositionX;
    static MObject aTextPositionY;
    static MObject aTextPositionZ;
    static MObject aTextPosition;
    static MObject aTextColor;
    static MObject aTextAlpha;
    static MObject aEnableTextLine;

    // Viewport 2.0 draws nodes of this classification with SignDrawOverride.
    static const MString drawDbClassification;
};
