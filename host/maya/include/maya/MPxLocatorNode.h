#pragma once
// Base class of plug-in locators: DAG shapes drawn in the viewport, never rendered.
#include <maya/M3dView.h>
#include <maya/MBoundingBox.h>
#include <maya/MColor.h>
#include <maya/MDagPath.h>
#include <maya/MPoint.h>
#include <maya/MPxNode.h>
#include <maya/MVector.h>

class MPxLocatorNode : public MPxNode {
public:
    MPxLocatorNode();
    virtual ~MPxLocatorNode();
    MPxNode::Type type() const override;

    virtual void draw(M3dView& view, const MDagPath& path, M3dView::DisplayStyle style,
                      M3dView::DisplayStatus status);
    virtual bool isBounded() const;
    virtual MBoundingBox boundingBox() const;
    virtual bool excludeAsLocator() const;
    virtual bool isTransparent() const;
    virtual bool drawLast() const;
    virtual bool useClosestPointForSelection() const;
    virtual MPoint closestPoint(MPoint cursorRayPoint, MVector cursorRayDir) const;

    // Colour of the host's colour table for this display status.
    unsigned int color(M3dView::DisplayStatus displayStatus);
    MColor colorRGB(M3dView::DisplayStatus displayStatus);

    // Inherited attributes.
    static MObject localPosition; // "localPosition" "lp", children lpx lpy lpz (distance)
    static MObject localPositionX;
    static MObject localPositionY;
    static MObject localPositionZ;
    static MObject worldPosition; // "worldPosition" "wp", array of wpx wpy wpz
    static MObject worldPositionX;
    static MObject worldPositionY;
    static MObject worldPositionZ;
    static MObject localScale; // "localScale" "los", children lsx lsy lsz (default 1)
    static MObject localScaleX;
    static MObject localScaleY;
    static MObject localScaleZ;
    static MObject visibility;
    static MObject intermediateObject;
    static MObject isTemplated;
    static MObject matrix;
    static MObject inverseMatrix;
    static MObject worldMatrix;        // array of matrix, one per instance
    static MObject worldInverseMatrix; // array of matrix, one per instance
    static MObject parentMatrix;
    static MObject parentInverseMatrix;
};
