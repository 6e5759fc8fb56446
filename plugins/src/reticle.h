#pragma once
// The "reticle" locator: a camera overlay in viewport pixels (film gate, aspect-ratio frames and
// masks with safe frames, guide lines and up to ten text fields). It keeps a copy of its settings
// that changes of its internal attributes mark dirty and the next draw refreshes.
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

    // Frames and passes (reticleDraw.cpp).
    MMatrix getMatrix(const MString& name) const;
    bool readView(M3dView& view);
    void computeFrames();
    void drawMaskPass() const;
    void drawOutlinePass() const;
    void drawGuideLines() const;

    // Text overlay (reticleText.cpp).
    struct SceneFrames {
        double current;
        double start;
        double end;
    };
    void drawTextOverlay(M3dView& view) const;
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
    std::vector<AspectRatioEntry> aspectEntries;
    std::vector<TextEntry> textEntries;
};
