#include <maya/MFileIO.h>

#include "scene/scene_file.h"
#include "scene/scene_state.h"

#include <hostkit/host.h>
#include <maya/MGlobal.h>

#include <filesystem>

namespace {

std::string absolute(const MString& fileName) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(fileName.asChar(), ec);
    return ec ? std::string(fileName.asChar()) : path.lexically_normal().string();
}

MStatus write(const std::string& path) {
    std::string error;
    MStatus status = scene::writeSceneFile(path, error);
    if (!status)
        MGlobal::displayError(error.c_str());
    return status;
}

} // namespace

MString MFileIO::currentFile() {
    return scene::currentSceneFile().c_str();
}

MStatus MFileIO::setCurrentFile(const MString& fileName) {
    scene::currentSceneFile() = absolute(fileName);
    return MS::kSuccess;
}

MString MFileIO::fileType() {
    return "mayaAscii";
}

// There is no notion of unsaved changes: a new file always replaces the scene.
MStatus MFileIO::newFile(bool) {
    hostkit::resetScene();
    return MS::kSuccess;
}

// Bad lines of the file are reported and skipped; only an unreadable file fails.
MStatus MFileIO::open(const MString& fileName, const char*, bool, ReferenceMode, bool) {
    const std::string path = absolute(fileName);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        MGlobal::displayError(("cannot read scene file " + std::string(fileName.asChar())).c_str());
        return MS::kNotFound;
    }
    hostkit::resetScene();
    std::string error;
    MStatus status = scene::readSceneFile(path, error);
    if (!status) {
        MGlobal::displayError(error.c_str());
        return status;
    }
    scene::currentSceneFile() = path;
    return MS::kSuccess;
}

MStatus MFileIO::save(bool) {
    if (scene::currentSceneFile().empty()) {
        MGlobal::displayError("the scene has no file name yet: use saveAs");
        return MS::kFailure;
    }
    return write(scene::currentSceneFile());
}

MStatus MFileIO::saveAs(const MString& fileName, const char*, bool) {
    const std::string path = absolute(fileName);
    MStatus status = write(path);
    if (status)
        scene::currentSceneFile() = path;
    return status;
}

MStatus MFileIO::exportAll(const MString& fileName, const char*, bool) {
    return write(absolute(fileName));
}
