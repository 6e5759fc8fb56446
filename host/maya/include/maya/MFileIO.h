#pragma once
// Scene file access.
#include <maya/MStatus.h>
#include <maya/MString.h>

class MFileIO {
public:
    enum ReferenceMode { kLoadDefault, kLoadAllReferences, kLoadNoReferences };

    // Full path of the scene last opened or saved; empty for an unsaved scene.
    static MString currentFile();
    static MStatus setCurrentFile(const MString& fileName);
    static MString fileType();
    static MStatus newFile(bool force = false);
    static MStatus open(const MString& fileName, const char* type = NULL, bool force = false,
                        ReferenceMode refMode = kLoadDefault, bool ignoreVersion = false);
    static MStatus save(bool force = false);
    static MStatus saveAs(const MString& fileName, const char* type = NULL, bool force = false);
    static MStatus exportAll(const MString& fileName, const char* type = NULL,
                             bool preserveReferences = false);
};
