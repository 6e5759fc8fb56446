#include "scene/scene_state.h"

#include "core/internal.h"
#include "scene/builtin_anim_curve.h"
#include "scene/builtin_camera.h"
#include "scene/builtin_constraint.h"
#include "scene/builtin_curve.h"
#include "scene/builtin_mesh.h"
#include "scene/builtin_poly.h"
#include "scene/builtin_time.h"
#include "scene/builtin_transform.h"
#include "scene/dag.h"
#include "scene/default_cameras.h"
#include "scene/placeholder_nodes.h"
#include "scene/scene_time.h"
#include "scene/selection.h"
#include "scene/texture_node.h"
#include "scene/units.h"

namespace scene {

std::string& currentSceneFile() {
    static std::string file;
    return file;
}

namespace {

void newScene() {
    activeSelection().clear();
    currentSceneFile().clear();
    resetSceneTime();
    resetUiUnits();
    createSceneTimeNode();
    createDefaultCameras();
}

} // namespace

void startHost() {
    installDag();
    registerTransformType();
    registerConstraintType();
    registerCameraType();
    registerMeshType();
    registerPolyCreatorTypes();
    registerPolyModifierTypes();
    registerCurveType();
    registerTimeType();
    registerChecker();
    registerRamp();
    registerNoise();
    registerAnimCurveTypes();
    registerPlaceholderTypes();
    mcore::addSceneResetHook(newScene);
    createSceneTimeNode();
    createDefaultCameras();
}

namespace {

// Queued when the library loads; runs at the graph's first use.
const bool queued = (mcore::addStartupHook(startHost), true);

} // namespace

} // namespace scene
