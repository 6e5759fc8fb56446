#include "reticleDrawOverride.h"
#include "reticle.h"
#include "reticlePicture.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>

namespace {

using MHWRender::MUIDrawManager;

class ReticleDrawData : public MUserData {
public:
    ReticleDrawData() : MUserData(false) {}

    bool visible = false;
    ReticlePicture picture;
};

MPoint pixel(const Point2& p) {
    return MPoint(p.x, p.y, 0.0); // depth 0: over everything
}

MPointArray triangles(const std::vector<Quad>& quads) {
    MPointArray points;
    for (const Quad& q : quads)
        for (int corner : {0, 1, 2, 0, 2, 3})
            points.append(pixel(q[static_cast<std::size_t>(corner)]));
    return points;
}

void emitOutline(MUIDrawManager& drawManager, const ReticleOutline& outline) {
    const Quad corners = frameCorners(outline.frame);
    MPointArray points;
    for (const Point2& corner : corners)
        points.append(pixel(corner));
    if (outline.stippled)
        drawManager.setLineStyle(kSafeFrameStippleFactor, kSafeFrameStipplePattern);
    if (outline.closed)
        drawManager.mesh2d(MUIDrawManager::kClosedLine, points);
    else
        drawManager.lineList(points, true); // the bottom edge and the top edge
    if (outline.stippled)
        drawManager.setLineStyle(MUIDrawManager::kSolid);
}

MUIDrawManager::TextAlignment alignmentOf(int align) {
    switch (align) {
    case kAlignCenter:
        return MUIDrawManager::kCenter;
    case kAlignRight:
        return MUIDrawManager::kRight;
    default:
        return MUIDrawManager::kLeft;
    }
}

// GLUT's Helvetica bitmap fonts of the legacy draw have no counterpart in the draw manager: its
// own font at the same pixel heights, aligned by the draw manager around the anchor the legacy
// draw aligns against.
void emitText(MUIDrawManager& drawManager, const ReticleText& text) {
    const int height = fontHeight(text.size);
    const TextOrigin anchor = alignText(text.anchor, 0, kAlignLeft, height);
    drawManager.setColor(opacityColor(text.color));
    drawManager.setFontSize(static_cast<unsigned int>(height));
    drawManager.text2d(MPoint(anchor.x, anchor.y, 0.0), text.text, alignmentOf(text.align));
}

} // namespace

MHWRender::MPxDrawOverride* ReticleDrawOverride::creator(const MObject& obj) {
    return new ReticleDrawOverride(obj);
}

// Always dirty: the overlay depends on the camera and the port, which do not dirty the node.
ReticleDrawOverride::ReticleDrawOverride(const MObject& obj) : UIDrawOverride(obj, true) {}

ReticleDrawOverride::~ReticleDrawOverride() {}

MUserData* ReticleDrawOverride::prepareForDraw(const MDagPath& objPath, const MDagPath& cameraPath,
                                               const MHWRender::MFrameContext& frameContext,
                                               MUserData* oldData) {
    ReticleDrawData* data = dynamic_cast<ReticleDrawData*>(oldData);
    if (!data)
        data = new ReticleDrawData();
    Reticle* reticle = dynamic_cast<Reticle*>(MFnDependencyNode(objPath.node()).userNode());
    int originX = 0, originY = 0, width = 0, height = 0;
    frameContext.getViewportDimensions(originX, originY, width, height);
    data->visible = reticle && reticle->viewport2Picture(cameraPath, width, height, data->picture);
    return data;
}

void ReticleDrawOverride::addUIDrawables(const MDagPath&, MUIDrawManager& drawManager,
                                         const MHWRender::MFrameContext&,
                                         const MUserData* userData) {
    const ReticleDrawData* data = dynamic_cast<const ReticleDrawData*>(userData);
    if (!data || !data->visible)
        return;
    const ReticlePicture& picture = data->picture;
    // An overlay over the whole view must not take the clicks meant for the scene.
    drawManager.beginDrawable(MUIDrawManager::kNonSelectable);
    for (const ReticleMask& mask : picture.masks) {
        drawManager.setColor(opacityColor(mask.color));
        drawManager.mesh2d(MUIDrawManager::kTriangles, triangles(maskBands(mask)));
    }
    for (const ReticleOutline& outline : picture.outlines) {
        drawManager.setColor(opacityColor(outline.color));
        emitOutline(drawManager, outline);
    }
    for (const ReticleLine& line : picture.lines) {
        drawManager.setColor(opacityColor(line.color));
        drawManager.line2d(pixel(line.from), pixel(line.to));
    }
    for (const ReticleText& text : picture.texts)
        emitText(drawManager, text);
    drawManager.endDrawable();
}
