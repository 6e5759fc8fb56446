#pragma once
// What mi_trace_transparent finds behind a surface. The renderer asks the installed tracer;
// a ray caster installs its own, tests and previews install a stack of surfaces.
#include "rayhost/network.h"

#include <shader.h>

#include <functional>
#include <vector>

namespace rayhost {

// Writes the colour seen behind the state's surface and sets state->child to the state of the
// continued ray (null when nothing is behind). Returns whether something was hit.
using TransparencyTracer = std::function<miBoolean(miColor* result, miState* state)>;

// Installs the tracer used by mi_trace_transparent; an empty one restores the default, which
// sees nothing behind any surface: a transparent black result and no child state. Install it
// before rendering starts.
void setTransparencyTracer(TransparencyTracer tracer);

miBoolean traceTransparent(miColor* result, miState* state);

// Installs a tracer for its lifetime and puts back the one installed before; scopes must end in
// the reverse order of their start.
class TracerScope {
public:
    explicit TracerScope(TransparencyTracer tracer);
    ~TracerScope();
    TracerScope(const TracerScope&) = delete;
    TracerScope& operator=(const TracerScope&) = delete;

private:
    TransparencyTracer previous_;
};

// A surface behind the primary hit: its material instance is called in the continued ray's
// state, which carries the surface's label, primitive index and depth.
struct Surface {
    InstanceId material = 0;
    miUint label = 0;
    miUint primitive = 0;
    miScalar depth = -1.0f;        // z of the hit point, negative in front of the camera
    miTag materialTag = miNULLTAG; // the continued state's material and instance tags
    miTag instanceTag = miNULLTAG;
};

// Surfaces lying behind every primary hit, nearest first; past the last one the ray sees
// `background`. A state with n states up its parent chain has passed n of them. Materials
// must return a color (NetworkError otherwise). The network must outlive the tracer.
TransparencyTracer surfaceStack(const ShaderNetwork& network, std::vector<Surface> behind,
                                miColor background = {0, 0, 0, 0});

} // namespace rayhost
