#include <hostkit/scene.h>

#include "core/internal.h"
#include "scene/load_report.h"
#include "scene/mel_commands.h"
#include "scene/builtin_mesh.h"
#include "scene/geometry_data.h"
#include "scene/mesh_display.h"
#include "scene/mesh_geometry.h"
#include "scene/paintable.h"
#include "scene/shape_support.h"
#include "scene/scene_file.h"
#include "scene/scene_time.h"
#include "scene/selection.h"

#include <maya/MAnimControl.h>
#include <maya/MFileIO.h>
#include <maya/MFnCamera.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MSelectionList.h>

namespace hostkit {

namespace {

MStatus fail(std::string* error, const std::string& message, MStatus status) {
    if (error)
        *error = message;
    return status;
}

std::string nameOf(const MObject& node) {
    return MFnDependencyNode(node).name().asChar();
}

} // namespace

MStatus runMel(const std::string& commands, std::string* error) {
    scene::MelResult result;
    std::string message;
    MStatus status = scene::runMelScript(commands, result, message);
    return status ? status : fail(error, message, status);
}

MStatus openScene(const std::string& path, std::string* error) {
    MStatus status = MFileIO::open(path.c_str(), nullptr, true);
    return status ? status : fail(error, "cannot read scene file " + path, status);
}

void setLoadReportsEveryLine(bool everyLine) {
    scene::loadReportsEveryLine() = everyLine;
}

std::vector<LoadMessage> loadMessages() {
    std::vector<LoadMessage> out;
    for (const scene::LoadMessage& m : scene::lastLoadMessages())
        out.push_back({m.line, m.kind, m.text});
    return out;
}

MStatus saveScene(const std::string& path, std::string* error) {
    MStatus status = MFileIO::saveAs(path.c_str(), nullptr, true);
    return status ? status : fail(error, "cannot write scene file " + path, status);
}

std::string sceneText() {
    return scene::sceneText("");
}

MStatus select(const std::vector<std::string>& names, bool add, std::string* error) {
    MSelectionList list;
    for (const std::string& name : names)
        if (!list.add(name.c_str()))
            return fail(error, "No object matches name: " + name, MS::kInvalidParameter);
    MSelectionList& active = scene::activeSelection();
    if (!add)
        active.clear();
    for (unsigned int i = 0; i < list.length(); ++i) {
        MObject node;
        list.getDependNode(i, node);
        scene::removeNode(active, node); // re-selecting makes it the lead
        active.add(node);
    }
    return MS::kSuccess;
}

void clearSelection() {
    scene::activeSelection().clear();
}

M3dView::DisplayStatus displayStatus(const MDagPath& path) {
    return scene::displayStatusOf(path);
}

void setTime(double frame) {
    scene::setCurrentSceneTime(MTime(frame, MTime::uiUnit()));
}

double currentTime() {
    return scene::currentSceneTime().as(MTime::uiUnit());
}

MStatus setPlaybackRange(double first, double last) {
    return MAnimControl::setMinMaxTime(MTime(first, MTime::uiUnit()), MTime(last, MTime::uiUnit()));
}

namespace {

template <class Visit> void forEachDagNode(MFn::Type type, Visit visit) {
    for (const MObject& node : mcore::allNodes()) {
        MDagPath path;
        if (node.hasFn(type) && MDagPath::getAPathTo(node, path))
            visit(node, path);
    }
}

} // namespace

std::vector<CameraInfo> cameras() {
    std::vector<CameraInfo> out;
    forEachDagNode(MFn::kCamera, [&out](const MObject& node, const MDagPath& path) {
        MObject transform = path.transform();
        out.push_back({path, nameOf(node), transform.isNull() ? "" : nameOf(transform)});
    });
    return out;
}

bool findCamera(const std::string& name, MDagPath& shape) {
    for (const CameraInfo& camera : cameras())
        if (camera.shapeName == name || camera.transformName == name) {
            shape = camera.shape;
            return true;
        }
    return false;
}

std::vector<MeshInfo> meshes() {
    std::vector<MeshInfo> out;
    forEachDagNode(MFn::kMesh, [&out](const MObject& node, const MDagPath& path) {
        MObject holder;
        const auto* data =
            scene::plugData<scene::MeshData>(MPlug(node, scene::MeshShape::outMesh), holder);
        if (!data)
            return;
        const scene::MeshGeometry& geometry = data->mesh;
        MeshInfo mesh;
        mesh.shape = path;
        mesh.world = path.inclusiveMatrix();
        mesh.points = geometry.points;
        mesh.vertexNormals = scene::vertexNormals(geometry, true);
        mesh.faceVertexNormals = scene::faceVertexNormals(geometry);
        size_t next = 0;
        for (int count : geometry.faceCounts) {
            mesh.faces.emplace_back(geometry.faceConnects.begin() + next,
                                    geometry.faceConnects.begin() + next + count);
            next += static_cast<size_t>(count);
        }
        for (const auto& hole : geometry.holes)
            mesh.holes.emplace_back(hole.face, hole.vertices);
        mesh.notDrawn = scene::whyMeshIsNotDrawn(path, geometry);
        mesh.visible = mesh.notDrawn.empty();
        out.push_back(std::move(mesh));
    });
    return out;
}

std::vector<LocatorInfo> locators() {
    std::vector<LocatorInfo> out;
    forEachDagNode(MFn::kDagNode, [&out](const MObject& node, const MDagPath& path) {
        if (auto* locator = dynamic_cast<MPxLocatorNode*>(MFnDependencyNode(node).userNode()))
            out.push_back(
                {path, locator, path.isVisible() && !MFnDagNode(path).isIntermediateObject()});
    });
    return out;
}

std::vector<PaintableInfo> paintableAttributes() {
    std::vector<PaintableInfo> list;
    for (const scene::PaintableAttribute& entry : scene::paintableAttributes())
        list.push_back({entry.nodeType, entry.attribute, entry.attrType, entry.shapeMode});
    return list;
}

} // namespace hostkit
