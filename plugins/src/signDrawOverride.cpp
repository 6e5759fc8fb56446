#include "signDrawOverride.h"
#include "signLook.h"
#include "signShapes.h"

#include <maya/MColor.h>
#include <maya/MHWGeometryUtilities.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MString.h>

#include <vector>

namespace {

// The legacy label's font, GLUT's Helvetica 10, has no counterpart in the draw manager: its own
// font at the same pixel height.
const unsigned int kLabelFontSize = 10;

// The picture in the locator's space, ready to emit.
class SignDrawData : public MUserData {
public:
    SignDrawData() : MUserData(false) {}

    MColor shapeColor;
    MColor labelColor;
    float lineWidth = 1.0f;
    std::vector<MPointArray> segments; // vertex pairs, one list per legacy batch
    MPoint origin;                     // of the local frame: where the two lines start
    bool tailLine = false;
    MPoint tailEnd;
    bool textLine = false;
    MString label;
    MPoint labelPosition; // also the end of the text line
};

MColor colorOf(const SignRgba& rgba) {
    return MColor(rgba.r, rgba.g, rgba.b, rgba.a);
}

MPoint point(const float xyz[3]) {
    return MPoint(xyz[0], xyz[1], xyz[2]);
}

// The marker's batches scaled by the radius, or the curves' control polygons as segments, all in
// the locator's space.
std::vector<MPointArray> segmentsOf(const SignLook& look, const MObject& node,
                                    const MMatrix& frame) {
    std::vector<MPointArray> segments;
    if (look.type == kCvCurveType) {
        for (const MPointArray& polygon : readCurvePolygons(node)) {
            MPointArray pairs;
            for (unsigned int j = 0; j + 1 < polygon.length(); ++j) {
                pairs.append(polygon[j] * frame);
                pairs.append(polygon[j + 1] * frame);
            }
            segments.push_back(pairs);
        }
        return segments;
    }
    for (const DrawerBatch& batch : signShapeVertices(look.type)) {
        MPointArray pairs;
        for (const DrawerVertex& v : batch)
            pairs.append(MPoint(v.x * look.radius, v.y * look.radius, v.z * look.radius) * frame);
        segments.push_back(pairs);
    }
    return segments;
}

} // namespace

MHWRender::MPxDrawOverride* SignDrawOverride::creator(const MObject& obj) {
    return new SignDrawOverride(obj);
}

// Not always dirty: the picture depends only on the node and its display status, whose changes
// make Viewport 2.0 update it.
SignDrawOverride::SignDrawOverride(const MObject& obj) : UIDrawOverride(obj, false) {}

SignDrawOverride::~SignDrawOverride() {}

MUserData* SignDrawOverride::prepareForDraw(const MDagPath& objPath, const MDagPath&,
                                            const MHWRender::MFrameContext&, MUserData* oldData) {
    SignDrawData* data = dynamic_cast<SignDrawData*>(oldData);
    if (!data)
        data = new SignDrawData();
    const MObject node = objPath.node();
    const SignLook look = readSignLook(node, MHWRender::MGeometryUtilities::displayStatus(objPath));
    const MMatrix frame = signLocalFrame(look);
    data->shapeColor = colorOf(look.shape);
    data->labelColor = colorOf(look.label);
    data->lineWidth = static_cast<float>(look.width);
    data->segments = segmentsOf(look, node, frame);
    data->origin = MPoint(0.0, 0.0, 0.0) * frame;
    data->tailLine = look.enableTailLine;
    data->tailEnd = point(look.tailLine) * frame;
    data->textLine = look.enableTextLine;
    data->label = look.text;
    data->labelPosition = point(look.textPosition) * frame;
    return data;
}

void SignDrawOverride::addUIDrawables(const MDagPath&, MHWRender::MUIDrawManager& drawManager,
                                      const MHWRender::MFrameContext&, const MUserData* userData) {
    const SignDrawData* data = dynamic_cast<const SignDrawData*>(userData);
    if (!data)
        return;
    drawManager.beginDrawable();
    drawManager.setColor(data->shapeColor);
    drawManager.setLineWidth(data->lineWidth);
    for (const MPointArray& segments : data->segments)
        drawManager.lineList(segments, false);
    if (data->tailLine)
        drawManager.line(data->origin, data->tailEnd);
    if (data->label.length() > 0) {
        drawManager.setColor(data->labelColor);
        drawManager.setFontSize(kLabelFontSize);
        drawManager.text(data->labelPosition, data->label, MHWRender::MUIDrawManager::kLeft);
    }
    if (data->textLine)
        drawManager.line(data->origin, data->labelPosition);
    drawManager.endDrawable();
}
