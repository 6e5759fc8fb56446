#pragma once
// Viewport 2.0 UI drawables: what an override's addUIDrawables emits. Made only by the host;
// every state change and drawable goes between beginDrawable and endDrawable, and endDrawable
// puts the state back to its defaults. 3D positions are in the object's space; 2D positions are
// viewport pixels from the bottom-left corner with a depth from 0 (near) to 1 (far).
#include <maya/MApiNamespace.h>
#include <maya/MColor.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MVector.h>

namespace hostkit {
struct DrawManagerAccess;
}

namespace MHWRender {

class MUIDrawManager {
public:
    enum FontSize { kDefaultFontSize = 12, kSmallFontSize = 9 };
    enum TextAlignment { kLeft, kCenter, kRight };
    enum TextIncline { kInclineNormal = 0, kInclineItalic = 1, kInclineOblique = 2 };
    enum TextWeight {
        kWeightLight = 25,
        kWeightNormal = 50,
        kWeightDemiBold = 63,
        kWeightBold = 75,
        kWeightBlack = 87
    };
    enum TextLine { kLineNone, kLineOverline, kLineUnderline, kLineStrikeoutLine };
    enum LineStyle { kSolid, kShortDotted, kShortDashed, kDashed, kDotted };
    enum PaintStyle { kFlat, kStippled, kShaded };
    enum Primitive { kPoints, kLines, kLineStrip, kClosedLine, kTriangles, kTriStrip };
    enum Selectability { kNonSelectable, kSelectable, kAutomatic };

    void beginDrawable(Selectability selectability = kAutomatic, unsigned int selectionName = 0);
    void endDrawable();

    void setColor(const MColor& color);
    void setPointSize(float value);
    void setLineWidth(float value);
    void setLineStyle(LineStyle style);
    // Stipple: each bit of the 16-bit pattern covers `factor` pixels.
    void setLineStyle(unsigned int factor, unsigned short pattern);
    void setPaintStyle(PaintStyle style);
    unsigned int depthPriority() const;
    void setDepthPriority(unsigned int priority);

    void line(const MPoint& startPoint, const MPoint& endPoint);
    // Consecutive pairs; an odd last point is ignored. kInvalidParameter for fewer than two.
    MStatus lineList(const MPointArray& points, bool draw2D);
    MStatus lineStrip(const MPointArray& points, bool draw2D);
    void point(const MPoint& point);
    MStatus points(const MPointArray& points, bool draw2D);
    // The optional arrays are not supported by the stand-in: a call passing one is refused.
    void mesh(Primitive mode, const MPointArray& position, const MVectorArray* normal = NULL,
              const MColorArray* color = NULL, const MUintArray* index = NULL,
              const MPointArray* texcoord = NULL);

    void line2d(const MPoint& startPoint, const MPoint& endPoint);
    void point2d(const MPoint& point);
    void mesh2d(Primitive mode, const MPointArray& position, const MColorArray* color = NULL,
                const MUintArray* index = NULL, const MPointArray* texcoord = NULL);

    // Pixel height; a FontSize or any other value.
    void setFontSize(const unsigned int fontSize);
    // At a 3D anchor, facing the screen at a fixed pixel size.
    void text(const MPoint& position, const MString& text, TextAlignment alignment = kLeft,
              const int* backgroundSize = NULL, const MColor* backgroundColor = NULL,
              bool dynamic = false);
    // At a viewport pixel.
    void text2d(const MPoint& position, const MString& text, TextAlignment alignment = kLeft,
                const int* backgroundSize = NULL, const MColor* backgroundColor = NULL,
                bool dynamic = false);

    static const char* className();

private:
    friend struct hostkit::DrawManagerAccess;
    MUIDrawManager();
    ~MUIDrawManager();
    MUIDrawManager(const MUIDrawManager&) = delete;
    MUIDrawManager& operator=(const MUIDrawManager&) = delete;
    void* fData; // the host's recording of this override's drawables
};

} // namespace MHWRender
