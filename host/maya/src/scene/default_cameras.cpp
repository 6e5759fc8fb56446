#include "scene/default_cameras.h"

#include "scene/builtin_camera.h"
#include "scene/builtin_transform.h"
#include "scene/dag.h"
#include "scene/node_factory.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <string>

namespace scene {

namespace {

struct DefaultCamera {
    const char* name;
    double translate[3], rotate[3];
    bool orthographic;
    double centerOfInterest;
};

const DefaultCamera kCameras[] = {
    {"persp", {28, 21, 28}, {-27.938352729602379, 45, 0}, false, 44.82186966202994},
    {"top", {0, 1000.1, 0}, {-90, 0, 0}, true, 1000.1},
    {"front", {0, 0, 1000.1}, {0, 0, 0}, true, 1000.1},
    {"side", {1000.1, 0, 0}, {0, 90, 0}, true, 1000.1},
};

void set(const MObject& node, const MObject& attribute, double value) {
    MPlug(node, attribute).setValue(value);
}

} // namespace

void createDefaultCameras() {
    const TransformNode::Channels& c = TransformNode::channels();
    for (const DefaultCamera& camera : kCameras) {
        CreatedNode transform, shape;
        std::string error;
        if (!createNodeOfType("transform", camera.name, MObject(), transform, error) ||
            !createNodeOfType("camera", std::string(camera.name) + "Shape", transform.node, shape,
                              error))
            continue;
        for (int i = 0; i < 3; ++i) {
            set(transform.node, c.translate[i], camera.translate[i]);
            set(transform.node, c.rotate[i], camera.rotate[i]);
        }
        MFnDependencyNode(transform.node).findPlug("visibility", true).setValue(false);
        set(shape.node, CameraShape::orthographic, camera.orthographic ? 1.0 : 0.0);
        set(shape.node, CameraShape::centerOfInterest, camera.centerOfInterest);
        set(shape.node, CameraShape::renderable, camera.orthographic ? 0.0 : 1.0);
    }
}

bool isDefaultCamera(const MObject& node) {
    const std::string name = MFnDependencyNode(node).name().asChar();
    for (const DefaultCamera& camera : kCameras) {
        if (name == camera.name && isTransformNode(node) && dagParent(node).isNull())
            return true;
        if (name == std::string(camera.name) + "Shape" && node.hasFn(MFn::kCamera) &&
            isDefaultCamera(dagParent(node)))
            return true;
    }
    return false;
}

} // namespace scene
