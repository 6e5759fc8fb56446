#pragma once
// What the host reads of an MPxDrawOverride besides its virtual calls.
#include <maya/MPxDrawOverride.h>

namespace hostkit {

struct DrawOverrideAccess {
    static MHWRender::MPxDrawOverride::GeometryDrawOverrideCb
    callback(const MHWRender::MPxDrawOverride& o) {
        return o.fCallback;
    }
    static bool isAlwaysDirty(const MHWRender::MPxDrawOverride& o) { return o.fIsAlwaysDirty; }
};

} // namespace hostkit
