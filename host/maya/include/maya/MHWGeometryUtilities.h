#pragma once
// Viewport 2.0 geometry utilities: the display status of a DAG path.
#include <maya/MDagPath.h>
#include <maya/MStatus.h>

namespace MHWRender {

// Not M3dView::DisplayStatus, though the values match.
enum DisplayStatus {
    kActive,
    kLive,
    kDormant,
    kInvisible,
    kHilite,
    kTemplate,
    kActiveTemplate,
    kActiveComponent,
    kLead,
    kIntermediateObject,
    kActiveAffected,
    kNoStatus
};

class MGeometryUtilities {
public:
    // Fails (kFailure, kNoStatus) for an invalid path.
    static ::MHWRender::DisplayStatus displayStatus(const MDagPath& path,
                                                    MStatus* returnStatus = NULL);
    static const char* className();

private:
    MGeometryUtilities() = delete;
};

} // namespace MHWRender
