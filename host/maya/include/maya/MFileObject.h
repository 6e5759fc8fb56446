#pragma once
// A file name split into directory path and file name.
#include <maya/MStatus.h>
#include <maya/MString.h>

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
    MStatus setFullName(const MString& fullFileName);
    MString rawName() const;
    MString rawPath() const;
    MString rawFullName() const;
    // File name without directory.
    MString name() const;
    // Directory, with a trailing "/".
    MString path() const;
    MString fullName() const;
    MString resolvedName() const;
    MString resolvedPath() const;
    MString resolvedFullName() const;
    MString expandedPath() const;
    MString expandedFullName() const;
    bool exists() const;
    bool isSet() const;

    static bool isAbsolutePath(const MString& fileName);

private:
    void* fPtr; // the raw path and name
};
