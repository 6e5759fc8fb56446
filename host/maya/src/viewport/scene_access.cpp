#include "scene_access.h"

#include "core/internal.h"

#include <hostkit/scene.h>

#include <maya/MFnCamera.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MSelectionList.h>

namespace hostkit::detail {
namespace {

// Shapes the viewport draws: visible, not intermediate.
bool drawable(const MObject& node, MDagPath& path) {
    if (!MDagPath::getAPathTo(node, path))
        return false;
    return path.isVisible() && !MFnDagNode(path).isIntermediateObject();
}

std::string nameOf(const MObject& node) {
    return MFnDependencyNode(node).name().asChar();
}

} // namespace

bool findCamera(const std::string& name, MDagPath& camera) {
    for (const MObject& node : mcore::allNodes()) {
        if (nameOf(node) != name || !node.hasFn(MFn::kDagNode))
            continue;
        MDagPath path;
        if (!MDagPath::getAPathTo(node, path))
            continue;
        if (!path.hasFn(MFn::kCamera)) {
            // A transform names its camera shape.
            unsigned int shapes = 0;
            path.numberOfShapesDirectlyBelow(shapes);
            bool found = false;
            for (unsigned int i = 0; i < shapes && !found; ++i) {
                MDagPath shape = path;
                found = shape.extendToShapeDirectlyBelow(i) && shape.hasFn(MFn::kCamera);
                if (found)
                    path = shape;
            }
            if (!found)
                continue;
        }
        camera = path;
        return true;
    }
    return false;
}

CameraLens lensOf(const MDagPath& camera) {
    MFnCamera fn(camera);
    CameraLens lens;
    lens.orthographic = fn.isOrtho();
    lens.focalLength = fn.focalLength();
    lens.horizontalFilmAperture = fn.horizontalFilmAperture();
    lens.verticalFilmAperture = fn.verticalFilmAperture();
    lens.filmFit = static_cast<int>(fn.filmFit());
    lens.overscan = fn.overscan();
    lens.lensSqueezeRatio = fn.lensSqueezeRatio();
    lens.nearClippingPlane = fn.nearClippingPlane();
    lens.farClippingPlane = fn.farClippingPlane();
    lens.orthoWidth = fn.orthoWidth();
    return lens;
}

std::vector<MeshToDraw> meshesToDraw() {
    std::vector<MeshToDraw> meshes;
    for (MeshInfo& info : hostkit::meshes()) {
        if (!info.visible)
            continue;
        MeshToDraw mesh;
        mesh.world = info.world;
        mesh.points = std::move(info.points);
        mesh.faces = std::move(info.faces);
        mesh.normals = std::move(info.faceVertexNormals);
        mesh.holes = std::move(info.holes);
        meshes.push_back(std::move(mesh));
    }
    return meshes;
}

std::vector<LocatorToDraw> locatorsToDraw() {
    std::vector<LocatorToDraw> locators;
    for (const MObject& node : mcore::allNodes()) {
        auto* locator = dynamic_cast<MPxLocatorNode*>(MFnDependencyNode(node).userNode());
        MDagPath path;
        if (locator && drawable(node, path))
            locators.push_back({path, locator});
    }
    return locators;
}

M3dView::DisplayStatus displayStatusOf(const MDagPath& path) {
    MSelectionList selection;
    MGlobal::getActiveSelectionList(selection, true);
    const MObject shape = path.node();
    const MObject transform = path.transform();
    M3dView::DisplayStatus status = M3dView::kDormant;
    const unsigned int count = selection.length();
    for (unsigned int i = 0; i < count; ++i) {
        MObject item;
        selection.getDependNode(i, item);
        if (item == shape || item == transform)
            status = i + 1 == count ? M3dView::kLead : M3dView::kActive;
    }
    return status;
}

} // namespace hostkit::detail
