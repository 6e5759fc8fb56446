// A minimal locator for viewport tests: one line from the origin along +X, "length" long, in a
// colour that shows its display status (dormant red, active white, lead green). It saves and
// restores all GL state it touches.
#include "deprecatedCalls.h"

#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPlugin.h>
#include <maya/MPlug.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MTypeId.h>

#include <GL/gl.h>

namespace {

class FixtureLine : public MPxLocatorNode {
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
        if (status == M3dView::kLead)
            glColor4f(0.0f, 1.0f, 0.0f, 1.0f);
        else if (status == M3dView::kActive)
            glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        else
            glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
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

const MTypeId FixtureLine::id(0x7F001);
MObject FixtureLine::length;

} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "quillomar tests", "1.0", "Any");
    return plugin.registerNode("fixtureLine", FixtureLine::id, FixtureLine::creator,
                               FixtureLine::initialize, MPxNode::kLocatorNode);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj);
    return plugin.deregisterNode(FixtureLine::id);
}
