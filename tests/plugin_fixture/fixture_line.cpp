// Minimal locators for viewport tests: one line from the origin along +X, "length" long, in a
// colour that shows its display status (dormant red, active white, lead green), 3 pixels wide.
// "fixtureLine" draws in both viewports: its legacy draw saves and restores all GL state it
// touches, and a Viewport 2.0 override (not always dirty) emits the same line through the draw
// manager. "fixtureLegacyLine" has the legacy draw only.
#include "deprecatedCalls.h"

#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MDrawRegistry.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPlugin.h>
#include <maya/MHWGeometryUtilities.h>
#include <maya/MPlug.h>
#include <maya/MPxDrawOverride.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MTypeId.h>

#include <GL/gl.h>

namespace {

MColor statusColor(int status) {
    if (status == M3dView::kLead)
        return MColor(0.0f, 1.0f, 0.0f);
    if (status == M3dView::kActive)
        return MColor(1.0f, 1.0f, 1.0f);
    return MColor(1.0f, 0.0f, 0.0f);
}

// One class per node type, so that each has its own attribute handle.
template <int Kind> class FixtureLine : public MPxLocatorNode {
public:
    static const MTypeId id;
    static MObject length;

    static void* creator() { return new FixtureLine; }

    static MStatus initialize() {
        MFnNumericAttribute numeric;
        length = numeric.create("length", "len", MFnNumericData::kDouble, 1.0);
        numeric.setKeyable(true);
        numeric.setStorable(true);
        return addAttribute(length);
    }

    void draw(M3dView& view, const MDagPath&, M3dView::DisplayStyle,
              M3dView::DisplayStatus status) override {
        double size = 1.0;
        MPlug(thisMObject(), length).getValue(size);
        // Deprecated in 2019, but how a legacy draw brackets its OpenGL calls.
        QUILLOMAR_DEPRECATED_CALL_BEGIN
        view.beginGL();
        QUILLOMAR_DEPRECATED_CALL_END
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glLineWidth(3.0f);
        const MColor color = statusColor(status);
        glColor4f(color.r, color.g, color.b, 1.0f);
        glBegin(GL_LINES);
        glVertex3d(0.0, 0.0, 0.0);
        glVertex3d(size, 0.0, 0.0);
        glEnd();
        glPopAttrib();
        QUILLOMAR_DEPRECATED_CALL_BEGIN
        view.endGL();
        QUILLOMAR_DEPRECATED_CALL_END
    }
};

using DrawnLine = FixtureLine<1>;
using LegacyLine = FixtureLine<2>;
template <> const MTypeId DrawnLine::id(0x7F001);
template <> const MTypeId LegacyLine::id(0x7F002);
template <int Kind> MObject FixtureLine<Kind>::length;

const MString kClassification("drawdb/geometry/fixtureLine");
const MString kRegistrant("quillomarViewFixture");

class LineData : public MUserData {
public:
    LineData() : MUserData(false) {}
    double length = 1.0;
    MColor color;
};

class LineOverride : public MHWRender::MPxDrawOverride {
public:
    static MHWRender::MPxDrawOverride* creator(const MObject& obj) { return new LineOverride(obj); }

    MHWRender::DrawAPI supportedDrawAPIs() const override { return MHWRender::kAllDevices; }
    bool hasUIDrawables() const override { return true; }

    MUserData* prepareForDraw(const MDagPath& objPath, const MDagPath&,
                              const MHWRender::MFrameContext&, MUserData* oldData) override {
        LineData* data = dynamic_cast<LineData*>(oldData);
        if (!data)
            data = new LineData;
        MPlug(objPath.node(), DrawnLine::length).getValue(data->length);
        data->color = statusColor(MHWRender::MGeometryUtilities::displayStatus(objPath));
        return data;
    }

    void addUIDrawables(const MDagPath&, MHWRender::MUIDrawManager& drawManager,
                        const MHWRender::MFrameContext&, const MUserData* userData) override {
        const LineData* data = dynamic_cast<const LineData*>(userData);
        drawManager.beginDrawable();
        drawManager.setColor(data->color);
        drawManager.setLineWidth(3.0f);
        drawManager.line(MPoint(0.0, 0.0, 0.0), MPoint(data->length, 0.0, 0.0));
        drawManager.endDrawable();
    }

private:
    explicit LineOverride(const MObject& obj) : MPxDrawOverride(obj, nullptr, false) {}
};

} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "quillomar tests", "1.0", "Any");
    MStatus status =
        plugin.registerNode("fixtureLine", DrawnLine::id, DrawnLine::creator, DrawnLine::initialize,
                            MPxNode::kLocatorNode, &kClassification);
    if (status)
        status = MHWRender::MDrawRegistry::registerDrawOverrideCreator(kClassification, kRegistrant,
                                                                       LineOverride::creator);
    if (status)
        status = plugin.registerNode("fixtureLegacyLine", LegacyLine::id, LegacyLine::creator,
                                     LegacyLine::initialize, MPxNode::kLocatorNode);
    return status;
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    MStatus status =
        MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(kClassification, kRegistrant);
    if (status)
        status = plugin.deregisterNode(DrawnLine::id);
    if (status)
        status = plugin.deregisterNode(LegacyLine::id);
    return status;
}
