#pragma once
// The "reticle" locator: a camera overlay in viewport pixels (film gate, aspect-ratio frames and
// masks with safe frames, guide lines and up to ten text fields). It keeps a copy of its settings
// that changes of its internal attributes mark dirty and the next draw refreshes.
#include "reticlePicture.h"
#include "reticleRecords.h"
#include "reticleTextLayout.h"

#include <maya/M3dView.h>
#include <maya/MBoundingBox.h>
#include <maya/MDGContext.h>
#include <maya/MDagPath.h>
#include <maya/MDataHandle.h>
#include <maya/MFnCamera.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <vector>

class Reticle : public MPxLocatorNode {
public:
    Reticle();
    ~Reticle() override;
    void postConstructor() override;
    bool setInternalValueInContext(const MPlug& plug, const MDataHandle& dataHandle,
                                   MDGContext& context) override;
    // Notes when the time changes, so that Viewport 2.0 reads it only then, and when a pair of
    // internal values is set through its parent.
    MStatus setDependentsDirty(const MPlug& plug, MPlugArray& plugArray) override;
    void draw(M3dView& view, const MDagPath& path, M3dView::DisplayStyle style,
              M3dView::DisplayStatus status) override;
    bool isBounded() const override;
    MBoundingBox boundingBox() const override;
    bool excludeAsLocator() const override;
    bool isTransparent() const override;
    bool drawLast() const override;

    static void* creator();
    static MStatus initialize();

    static const MString nodeTypeName;
    static const MTypeId nodeTypeId;
    // Viewport 2.0 draws nodes of this classification with ReticleDrawOverride.
    static const MString drawDbClassification;

    // Viewport 2.0: the picture for a view through `cameraPath` on a port of the given size, with
    // the cached copies refreshed only as far as they are out of date and the time read only
    // when it changed. False when nothing is to be drawn.
    bool viewport2Picture(const MDagPath& cameraPath, int portWidth, int portHeight,
                          ReticlePicture& picture);

    static MObject aDrawingEnabled;
    static MObject aEnableTextDrawing;
    static MObject aHorizontalFilmAperture;
    static MObject aVerticalFilmAperture;
    static MObject aFilmbackAperture;
    static MObject aAspectRatio;
    static MObject aDisplayMode;
    static MObject aAspectMaskColor;
    static MObject aAspectMaskTrans;
    static MObject aAspectLineColor;
    static MObject aAspectLineTrans;
    static MObject aAspectDisplaySafeTitle;
    static MObject aAspectDisplaySafeAction;
    static MObject aAspectRatios;
    static MObject aTextType;
    static MObject aTextStr;
    static MObject aTextSize;
    static MObject aTextAlign;
    static MObject aTextPosX;
    static MObject aTextPosY;
    static MObject aTextPos;
    static MObject aTextPosRel;
    static MObject aTextLevel;
    static MObject aTextARLevel;
    static MObject aTextColor;
    static MObject aTextTrans;
    static MObject aText;
    static MObject aLineColor;
    static MObject aLineTrans;
    static MObject aDisplayLineH;
    static MObject aDisplayLineV;
    static MObject aDisplayThirdsH;
    static MObject aDisplayThirdsV;
    static MObject aDisplayCrosshair;
    static MObject aTime;

private:
    // Refresh of the cached copies (reticleRefresh.cpp).
    MStatus refreshSettings();
    MStatus rebuildTextEntries();
    MStatus rebuildAspectEntries();
    MStatus readFilmbackSettings();
    bool textCountChanged() const;
    bool aspectCountChanged() const;
    // The text array has gained or lost elements since the entries were built (unlike
    // textCountChanged, true only once when there are more than ten).
    bool textElementsChanged() const;

    // Frames and passes (reticleDraw.cpp).
    MMatrix getMatrix(const MString& name) const;
    // The refresh and frames of a draw (steps shared by the legacy draw and Viewport 2.0);
    // false when nothing is to be drawn.
    bool refreshFor(const MDagPath& cameraPath, int width, int height, bool viewport2);
    // The viewing camera and port; false when the camera draws no reticle.
    bool readCamera(const MDagPath& cameraPath, int width, int height);
    void computeFrames();

    // Text overlay (reticleText.cpp).
    struct SceneFrames {
        double current;
        double start;
        double end;
    };
    void drawTextOverlay(M3dView& view);
    // Connects the time when it is not; reads it when `readTime`, else keeps the last value.
    SceneFrames overlayFrames(bool readTime);
    // The texts of the entries to draw, placed on their reference frames.
    std::vector<ReticleText> textItems(const SceneFrames& frames) const;
    // The words of an entry; false for an unknown text type.
    bool textOf(const TextEntry& entry, const SceneFrames& frames, MString& text) const;
    // The reference frame of an entry's level, or null when it has none to draw against.
    const ReticleFrame* referenceFrameOf(const TextEntry& entry) const;
    void drawText(const MString& text, const TextAnchor& anchor, void* font, int fontHeight,
                  const MColor& color, int align, M3dView& view) const;

    FilmbackState filmbackSettings;
    FilmbackState filmback;
    ReticleFrame windowFrame;
    DisplaySettings settings;
    double portWidth = 0.0;
    double portHeight = 0.0;
    double overscan = 0.0;
    double nearClip = 0.0;
    MMatrix worldInverseMatrix;
    MFnCamera camera;
    MObject thisNode;
    int aspectRatioCount = 0;
    bool dirty = false;
    // Elements of the text array when textEntries was built.
    unsigned int textElementCount = 0;
    // The time's value as last read, and whether it changed since.
    double currentFrame = 0.0;
    bool timeChanged = true;
    std::vector<AspectRatioEntry> aspectEntries;
    std::vector<TextEntry> textEntries;
};
