#pragma once
// A file name split into directory path and file name.
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

class MFileObject {
public:
    enum MFileResolveMethod {
        kNone = (1 << 0),
        kExact = (1 << 1),
        kDirMap = (1 << 2),
        kReferenceMappings = (1 << 3),
        kRelative = (1 << 4),
        kBaseName = (1 << 5),
        kInputFile = kExact | kDirMap | kRelative | kBaseName,
        kInputReference = kInputFile | kReferenceMappings,
        kStrict = kExact | kDirMap
    };

    MFileObject();
    MFileObject(const MFileObject& other);
    virtual ~MFileObject();
    MFileObject& operator=(const MFileObject& other);

    MStatus setRawName(const MString& fileName);
    MStatus setRawPath(const MString& filePath);
    MStatus setRawFullName(const MString& fullFileName);
    // The path element is everything before the last '/' ("." when there is none), the file
    // name everything after it.
    OPENMAYA_DEPRECATED(2019, "Use setRawFullName instead.")
    MStatus setFullName(const MString& fullFileName);
    // Raw path: the directory with a trailing '/' (empty for a bare name).
    MString rawName() const;
    MString rawPath() const;
    MString rawFullName() const;
    // The file name.
    OPENMAYA_DEPRECATED(2019, "Use resolvedName instead.")
    MString name() const;
    // The path element, environment variables expanded.
    OPENMAYA_DEPRECATED(2019, "Use resolvedPath instead.")
    MString path() const;
    // path() + "/" + name().
    OPENMAYA_DEPRECATED(2019, "Use resolvedFullName instead.")
    MString fullName() const;
    MString resolvedName() const;
    MString resolvedPath() const;
    MString resolvedFullName() const;
    MString expandedPath() const;
    MString expandedFullName() const;
    bool exists();
    bool isSet() const;

    static bool isAbsolutePath(const MString& fileName);

private:
    void* fPtr; // the raw path and name
};
