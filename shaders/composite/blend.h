#pragma once
// The 27 layer blend modes as plain functions: `blend` mixes a layer colour into the running
// colour; `channelBlend` exposes the per-channel formulas on their own.
#include "colour.h"

namespace quillomar::composite {

// Stored in scenes as integers: the values are fixed.
enum BlendMode : int {
    kNormal = 0,
    kDarken = 1,
    kMultiply = 2,
    kColorBurn = 3,
    kLinearBurn = 4,
    kDarkerColor = 5,
    kLighten = 6,
    kScreen = 7,
    kColorDodge = 8,
    kLinearDodge = 9,
    kLighterColor = 10,
    kAdd = 11,
    kOverlay = 12,
    kSoftLight = 13,
    kHardLight = 14,
    kVividLight = 15,
    kLinearLight = 16,
    kPinLight = 17,
    kHardMix = 18,
    kDifference = 19,
    kExclusion = 20,
    kLinearBurnUnclamped = 21,
    kDivide = 22,
    kHue = 23,
    kSaturation = 24,
    kLuminosity = 25,
    kColor = 26,
};

constexpr int kBlendModeCount = 27;

// f(base, layer) of one channel.
using ChannelBlend = float (*)(float base, float layer);

// The per-channel formula of `mode`, or null for the whole-colour modes (5, 10, 23 to 26) and
// for modes outside 0..26.
ChannelBlend channelBlend(int mode);

// Mixes layer colour `layer` into `base` with weight `w` under `mode`. Red, green and blue come
// from the mode; alpha is always 1 and the input alphas are ignored. Modes 5 and 10 replace the
// whole colour regardless of `w`; a mode outside 0..26 (as an unsigned number) passes `base`
// through.
Rgba blend(int mode, const Rgba& base, const Rgba& layer, float w);

} // namespace quillomar::composite
