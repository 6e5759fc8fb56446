#pragma once
// Filling the optional MStatus out-parameters of the API.
#include <maya/MStatus.h>

namespace mcore {

inline void setReturn(MStatus* returnStatus, MStatus status) {
    if (returnStatus)
        *returnStatus = status;
}

inline void setReturn(MStatus* returnStatus, MStatus::MStatusCode code) {
    if (returnStatus)
        *returnStatus = code;
}

inline void setReturn(MStatus* returnStatus, bool ok, MStatus failure = MS::kFailure) {
    if (returnStatus)
        *returnStatus = ok ? MStatus(MS::kSuccess) : failure;
}

} // namespace mcore
