// MUIDrawManager: records drawables with the state they were emitted with.
#include "draw_recording.h"

#include <maya/MPointArray.h>

namespace {

using hostkit::Drawable;
using MHWRender::MUIDrawManager;

mvp2::DrawRecording& recordingOf(void* data) {
    return *static_cast<mvp2::DrawRecording*>(data);
}

// False (and the call recorded as refused) outside beginDrawable/endDrawable.
bool inDrawable(mvp2::DrawRecording& recording, const char* call) {
    if (!recording.open)
        recording.refused.push_back(std::string(call) + " outside beginDrawable/endDrawable");
    return recording.open;
}

void add(mvp2::DrawRecording& recording, Drawable::Kind kind, bool screenSpace,
         std::vector<MPoint> positions, std::string text = std::string()) {
    Drawable drawable = recording.state;
    drawable.kind = kind;
    drawable.screenSpace = screenSpace;
    drawable.positions = std::move(positions);
    drawable.text = std::move(text);
    recording.drawables.push_back(std::move(drawable));
}

std::vector<MPoint> pointsOf(const MPointArray& array, unsigned int count) {
    std::vector<MPoint> points;
    for (unsigned int i = 0; i < count; ++i)
        points.push_back(array[i]);
    return points;
}

Drawable::Kind kindOf(MUIDrawManager::Primitive mode) {
    switch (mode) {
    case MUIDrawManager::kPoints:
        return Drawable::kPoints;
    case MUIDrawManager::kLines:
        return Drawable::kLines;
    case MUIDrawManager::kLineStrip:
        return Drawable::kLineStrip;
    case MUIDrawManager::kClosedLine:
        return Drawable::kClosedLine;
    case MUIDrawManager::kTriangles:
        return Drawable::kTriangles;
    case MUIDrawManager::kTriStrip:
        return Drawable::kTriStrip;
    }
    return Drawable::kLines;
}

MStatus addList(mvp2::DrawRecording& recording, const char* call, Drawable::Kind kind,
                const MPointArray& points, bool draw2D, unsigned int least) {
    if (!inDrawable(recording, call))
        return MS::kFailure;
    unsigned int count = points.length();
    if (count < least) {
        recording.refused.push_back(std::string(call) + " with too few points");
        return MS::kInvalidParameter;
    }
    if (kind == Drawable::kLines)
        count -= count % 2; // an odd last point starts no segment
    add(recording, kind, draw2D, pointsOf(points, count));
    return MS::kSuccess;
}

void addMesh(mvp2::DrawRecording& recording, const char* call, MUIDrawManager::Primitive mode,
             const MPointArray& position, bool draw2D, bool extraArrays) {
    if (!inDrawable(recording, call))
        return;
    if (extraArrays) {
        recording.refused.push_back(std::string(call) +
                                    ": normal, colour, index and texture arrays are not "
                                    "supported by the stand-in");
        return;
    }
    if (position.length() == 0) {
        recording.refused.push_back(std::string(call) + " without positions");
        return;
    }
    add(recording, kindOf(mode), draw2D, pointsOf(position, position.length()));
}

void addText(mvp2::DrawRecording& recording, const char* call, const MPoint& position,
             const MString& text, MUIDrawManager::TextAlignment alignment, bool background,
             bool draw2D) {
    if (!inDrawable(recording, call))
        return;
    if (background) {
        recording.refused.push_back(std::string(call) +
                                    ": text backgrounds are not supported by the stand-in");
        return;
    }
    add(recording, Drawable::kText, draw2D, {position}, text.asChar());
    recording.drawables.back().alignment = alignment;
}

} // namespace

namespace mvp2 {

void stippleOf(MUIDrawManager::LineStyle style, unsigned int& factor, unsigned short& pattern) {
    factor = 1;
    switch (style) {
    case MUIDrawManager::kShortDotted:
        pattern = 0xAAAA;
        return;
    case MUIDrawManager::kShortDashed:
        pattern = 0x0F0F;
        return;
    case MUIDrawManager::kDashed:
        pattern = 0x00FF;
        return;
    case MUIDrawManager::kDotted:
        pattern = 0x3333;
        return;
    case MUIDrawManager::kSolid:
        break;
    }
    pattern = 0xFFFF;
}

} // namespace mvp2

namespace hostkit {

void DrawManagerAccess::record(mvp2::DrawRecording& recording,
                               const std::function<void(MUIDrawManager&)>& emit) {
    MUIDrawManager manager;
    manager.fData = &recording;
    emit(manager);
    if (recording.open) {
        recording.refused.push_back("drawable left open after addUIDrawables");
        manager.endDrawable();
    }
}

} // namespace hostkit

namespace MHWRender {

MUIDrawManager::MUIDrawManager() : fData(nullptr) {}
MUIDrawManager::~MUIDrawManager() = default;

void MUIDrawManager::beginDrawable(Selectability selectability, unsigned int) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (recording.open) {
        recording.refused.push_back("beginDrawable inside a drawable");
        return;
    }
    recording.open = true;
    recording.state = Drawable();
    recording.state.selectable = selectability != kNonSelectable;
}

void MUIDrawManager::endDrawable() {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (!inDrawable(recording, "endDrawable"))
        return;
    recording.open = false;
    recording.state = Drawable();
}

void MUIDrawManager::setColor(const MColor& color) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "setColor"))
        recording.state.color = color;
}

void MUIDrawManager::setPointSize(float value) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "setPointSize"))
        recording.state.pointSize = value;
}

void MUIDrawManager::setLineWidth(float value) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "setLineWidth"))
        recording.state.lineWidth = value;
}

void MUIDrawManager::setLineStyle(LineStyle style) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (!inDrawable(recording, "setLineStyle"))
        return;
    recording.state.lineStyle = style;
    mvp2::stippleOf(style, recording.state.stippleFactor, recording.state.stipplePattern);
}

void MUIDrawManager::setLineStyle(unsigned int factor, unsigned short pattern) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (!inDrawable(recording, "setLineStyle"))
        return;
    recording.state.lineStyle = kSolid;
    recording.state.stippleFactor = factor;
    recording.state.stipplePattern = pattern;
}

void MUIDrawManager::setPaintStyle(PaintStyle style) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "setPaintStyle"))
        recording.state.paintStyle = style;
}

unsigned int MUIDrawManager::depthPriority() const {
    const mvp2::DrawRecording& recording = recordingOf(fData);
    return recording.open ? recording.state.depthPriority : 0;
}

void MUIDrawManager::setDepthPriority(unsigned int priority) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "setDepthPriority"))
        recording.state.depthPriority = priority;
}

void MUIDrawManager::setFontSize(const unsigned int fontSize) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "setFontSize"))
        recording.state.fontSize = fontSize;
}

void MUIDrawManager::line(const MPoint& startPoint, const MPoint& endPoint) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "line"))
        add(recording, Drawable::kLines, false, {startPoint, endPoint});
}

void MUIDrawManager::line2d(const MPoint& startPoint, const MPoint& endPoint) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "line2d"))
        add(recording, Drawable::kLines, true, {startPoint, endPoint});
}

MStatus MUIDrawManager::lineList(const MPointArray& points, bool draw2D) {
    return addList(recordingOf(fData), "lineList", Drawable::kLines, points, draw2D, 2);
}

MStatus MUIDrawManager::lineStrip(const MPointArray& points, bool draw2D) {
    return addList(recordingOf(fData), "lineStrip", Drawable::kLineStrip, points, draw2D, 2);
}

void MUIDrawManager::point(const MPoint& point) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "point"))
        add(recording, Drawable::kPoints, false, {point});
}

void MUIDrawManager::point2d(const MPoint& point) {
    mvp2::DrawRecording& recording = recordingOf(fData);
    if (inDrawable(recording, "point2d"))
        add(recording, Drawable::kPoints, true, {point});
}

MStatus MUIDrawManager::points(const MPointArray& points, bool draw2D) {
    return addList(recordingOf(fData), "points", Drawable::kPoints, points, draw2D, 1);
}

void MUIDrawManager::mesh(Primitive mode, const MPointArray& position, const MVectorArray* normal,
                          const MColorArray* color, const MUintArray* index,
                          const MPointArray* texcoord) {
    addMesh(recordingOf(fData), "mesh", mode, position, false,
            normal || color || index || texcoord);
}

void MUIDrawManager::mesh2d(Primitive mode, const MPointArray& position, const MColorArray* color,
                            const MUintArray* index, const MPointArray* texcoord) {
    addMesh(recordingOf(fData), "mesh2d", mode, position, true, color || index || texcoord);
}

void MUIDrawManager::text(const MPoint& position, const MString& text, TextAlignment alignment,
                          const int* backgroundSize, const MColor* backgroundColor, bool) {
    addText(recordingOf(fData), "text", position, text, alignment,
            backgroundSize || backgroundColor, false);
}

void MUIDrawManager::text2d(const MPoint& position, const MString& text, TextAlignment alignment,
                            const int* backgroundSize, const MColor* backgroundColor, bool) {
    addText(recordingOf(fData), "text2d", position, text, alignment,
            backgroundSize || backgroundColor, true);
}

const char* MUIDrawManager::className() {
    return "MUIDrawManager";
}

} // namespace MHWRender
