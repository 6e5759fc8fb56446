#include <maya/MFileObject.h>

#include <filesystem>
#include <string>

namespace {

struct FileName {
    std::string path; // directory, with a trailing "/" when not empty
    std::string name;
};

FileName& fileOf(void* p) {
    return *static_cast<FileName*>(p);
}

FileName split(const std::string& full) {
    size_t slash = full.find_last_of('/');
    if (slash == std::string::npos)
        return {"", full};
    return {full.substr(0, slash + 1), full.substr(slash + 1)};
}

// $VARIABLES and a leading "~" expanded, as the host resolves file names.
std::string expanded(const std::string& text) {
    return MString(text.c_str()).expandEnvironmentVariablesAndTilde().asChar();
}

// Everything before the last '/' of the full name, expanded; "." when there is no '/'.
std::string pathElement(const FileName& file) {
    if (file.path.empty())
        return ".";
    return expanded(file.path.substr(0, file.path.size() - 1));
}

} // namespace

MFileObject::MFileObject() : fPtr(new FileName()) {}
MFileObject::MFileObject(const MFileObject& other) : fPtr(new FileName(fileOf(other.fPtr))) {}
MFileObject::~MFileObject() {
    delete static_cast<FileName*>(fPtr);
}
MFileObject& MFileObject::operator=(const MFileObject& other) {
    fileOf(fPtr) = fileOf(other.fPtr);
    return *this;
}

MStatus MFileObject::setRawName(const MString& fileName) {
    fileOf(fPtr).name = fileName.asChar();
    return MS::kSuccess;
}

MStatus MFileObject::setRawPath(const MString& filePath) {
    std::string path = filePath.asChar();
    if (!path.empty() && path.back() != '/')
        path += '/';
    fileOf(fPtr).path = path;
    return MS::kSuccess;
}

MStatus MFileObject::setRawFullName(const MString& fullFileName) {
    fileOf(fPtr) = split(fullFileName.asChar());
    return MS::kSuccess;
}

MStatus MFileObject::setFullName(const MString& fullFileName) {
    return setRawFullName(fullFileName);
}

MString MFileObject::rawName() const {
    return fileOf(fPtr).name.c_str();
}
MString MFileObject::rawPath() const {
    return fileOf(fPtr).path.c_str();
}
MString MFileObject::rawFullName() const {
    return (fileOf(fPtr).path + fileOf(fPtr).name).c_str();
}
MString MFileObject::name() const {
    return rawName();
}
MString MFileObject::path() const {
    return pathElement(fileOf(fPtr)).c_str();
}
MString MFileObject::fullName() const {
    return (pathElement(fileOf(fPtr)) + "/" + fileOf(fPtr).name).c_str();
}
MString MFileObject::resolvedName() const {
    return split(expanded(rawFullName().asChar())).name.c_str();
}
MString MFileObject::resolvedPath() const {
    return split(expanded(rawFullName().asChar())).path.c_str();
}
MString MFileObject::resolvedFullName() const {
    return expanded(rawFullName().asChar()).c_str();
}
MString MFileObject::expandedPath() const {
    return expanded(fileOf(fPtr).path).c_str();
}
MString MFileObject::expandedFullName() const {
    return resolvedFullName();
}

bool MFileObject::exists() {
    std::error_code ec;
    return isSet() && std::filesystem::exists(resolvedFullName().asChar(), ec);
}

bool MFileObject::isSet() const {
    return !fileOf(fPtr).name.empty() || !fileOf(fPtr).path.empty();
}

bool MFileObject::isAbsolutePath(const MString& fileName) {
    std::string name = fileName.asChar();
    return (!name.empty() && (name[0] == '/' || name[0] == '\\')) ||
           (name.size() > 2 && name[1] == ':' && (name[2] == '/' || name[2] == '\\'));
}
