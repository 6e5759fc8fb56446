#pragma once
// Driver face of the Viewport 2.0 mode: what each draw override emitted through MUIDrawManager,
// as the viewport recorded it, and the draw overrides registered with MDrawRegistry.
#include <maya/MColor.h>
#include <maya/MHWGeometryUtilities.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MUIDrawManager.h>

#include <string>
#include <vector>

namespace hostkit {

// One drawable with the state it was emitted with.
struct Drawable {
    enum Kind { kPoints, kLines, kLineStrip, kClosedLine, kTriangles, kTriStrip, kText };
    Kind kind = kLines;
    // 2D: positions are viewport pixels from the bottom-left corner, z a depth from 0 to 1.
    // 3D: positions are in the object's space; OverrideDraw::world places them.
    bool screenSpace = false;
    std::vector<MPoint> positions; // a text has one: its anchor
    std::string text;
    MColor color{0.7f, 0.7f, 0.7f, 1.0f};
    float lineWidth = 1.0f;
    float pointSize = 1.0f;
    // Stipple of the lines: each bit of the pattern covers `stippleFactor` pixels; pattern
    // 0xFFFF is solid. The named styles map to fixed patterns.
    MHWRender::MUIDrawManager::LineStyle lineStyle = MHWRender::MUIDrawManager::kSolid;
    unsigned int stippleFactor = 1;
    unsigned short stipplePattern = 0xFFFF;
    MHWRender::MUIDrawManager::PaintStyle paintStyle = MHWRender::MUIDrawManager::kFlat;
    unsigned int depthPriority = 0;
    unsigned int fontSize = MHWRender::MUIDrawManager::kDefaultFontSize;
    MHWRender::MUIDrawManager::TextAlignment alignment = MHWRender::MUIDrawManager::kLeft;
    bool selectable = true;
};

const char* drawableKindName(Drawable::Kind kind);

// One object drawn through its override in the last Viewport 2.0 draw.
struct OverrideDraw {
    std::string path;           // full DAG path of the shape
    std::string classification; // the node type's draw classification
    MHWRender::DisplayStatus status = MHWRender::kDormant;
    MMatrix world;                   // the override's transform() for this draw
    bool updated = false;            // prepareForDraw (and addUIDrawables) ran in this draw
    long prepareReads = 0;           // values read through the node's plugs in prepareForDraw
    long drawReads = 0;              // ... and in addUIDrawables
    std::vector<Drawable> drawables; // those of the last update, drawn again when not updated
    // Calls the draw manager refused (state or drawables outside beginDrawable/endDrawable,
    // short point lists, unsupported arguments), as messages.
    std::vector<std::string> refused;
};

struct DrawOverrideInfo {
    std::string classification;
    std::string registrant;
};
// In registration order.
std::vector<DrawOverrideInfo> drawOverrides();

} // namespace hostkit
