// The per-channel formulas on single floats, looked up by mode.
#include "blend.h"
#include "channelFormulas.h"

namespace quillomar::composite {

namespace {

using namespace formulas;

// Indexed by mode; null where the mode is not per-channel.
constexpr ChannelBlend kChannelBlends[kBlendModeCount] = {
    normal<float>,     darken<float>,
    multiply<float>,   colorBurn<float>,
    linearBurn<float>, nullptr,
    lighten<float>,    screen<float>,
    colorDodge<float>, linearDodge<float>,
    nullptr,           linearDodge<float>,
    overlay<float>,    softLight<float>,
    hardLight<float>,  vividLight,
    linearLight,       pinLight,
    hardMix,           difference<float>,
    exclusion<float>,  linearBurnUnclamped<float>,
    divide<float>,     nullptr,
    nullptr,           nullptr,
    nullptr,
};

} // namespace

ChannelBlend channelBlend(int mode) {
    if (static_cast<unsigned>(mode) >= unsigned(kBlendModeCount)) {
        return nullptr;
    }
    return kChannelBlends[mode];
}

} // namespace quillomar::composite
