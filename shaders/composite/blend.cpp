// Dispatch of the blend modes and the weighted mix into the running colour. Each mode's formula
// is computed on red, green and blue at once (see lanes.h), so a blend costs one jump on the
// mode, well predicted when it repeats, and no branch on the colours.
#include "blend.h"

#include "channelFormulas.h"
#include "hslFormulas.h"

namespace quillomar::composite {

namespace {

using namespace formulas;

static_assert(sizeof(Rgba) == 4 * sizeof(float), "Rgba is loaded as four lanes");

Lanes load(const Rgba& c) {
    return _mm_loadu_ps(&c.r);
}

// Red, green and blue from the lanes; alpha 1.
Rgba opaqueRgb(Lanes c) {
    Rgba out;
    _mm_storeu_ps(&out.r, c.v);
    out.a = 1.0f;
    return out;
}

Rgba opaque(const Rgba& c) {
    return {c.r, c.g, c.b, 1.0f};
}

// value * w + (1 - w) * base, per channel.
Lanes mixed(Lanes base, Lanes value, float w) {
    return value * w + (1.0f - w) * base;
}

template <Lanes (*F)(Lanes, Lanes)> Rgba perChannel(const Rgba& base, const Rgba& layer, float w) {
    const Lanes b = load(base);
    return opaqueRgb(mixed(b, F(b, load(layer)), w));
}

// Formulas kept in double precision run lane by lane.
template <float (*F)(float, float)> Lanes eachChannel(Lanes b, Lanes l) {
    return eachLane(F, b, l);
}

// Modes 5 and 10 pick a whole colour by luminance and ignore the weight.
Rgba darkerColor(const Rgba& base, const Rgba& layer) { // a tie keeps the base
    return opaque(luminance(base) > luminance(layer) ? layer : base);
}
Rgba lighterColor(const Rgba& base, const Rgba& layer) { // a tie takes the layer
    return opaque(luminance(base) > luminance(layer) ? base : layer);
}

// Modes 23 to 26: hue, saturation and lightness each taken from the base or the layer. Both
// colours are converted at once, the base in the even lanes and the layer in the odd ones.
constexpr int kFromBase = 0;
constexpr int kFromLayer = 1;

template <int hueFrom, int saturationFrom, int lightnessFrom>
HslOf<Lanes> picked(const HslOf<Lanes>& both) {
    return {broadcast<hueFrom>(both.h), broadcast<saturationFrom>(both.s),
            broadcast<lightnessFrom>(both.l)};
}

HslOf<Lanes> combined(int mode, const HslOf<Lanes>& both) {
    switch (mode) {
    case kHue:
        return picked<kFromLayer, kFromBase, kFromBase>(both);
    case kSaturation:
        return picked<kFromBase, kFromLayer, kFromBase>(both);
    case kLuminosity:
        return picked<kFromBase, kFromBase, kFromLayer>(both);
    default: // kColor
        return picked<kFromLayer, kFromLayer, kFromBase>(both);
    }
}

// One function for the four modes, so that the conversions are inlined once.
Rgba hslCombined(int mode, const Rgba& base, const Rgba& layer, float w) {
    const Lanes b = load(base);
    const Lanes redGreen = _mm_unpacklo_ps(b.v, load(layer).v); // (base r, layer r, base g, ...)
    const Lanes blueAlpha = _mm_unpackhi_ps(b.v, load(layer).v);
    const HslOf<Lanes> x = combined(mode, toHsl(Lanes(_mm_movelh_ps(redGreen.v, redGreen.v)),
                                                Lanes(_mm_movehl_ps(redGreen.v, redGreen.v)),
                                                Lanes(_mm_movelh_ps(blueAlpha.v, blueAlpha.v))));
    return opaqueRgb(mixed(b, hslToRgbLanes(x.h, x.s, x.l), w));
}

} // namespace

// One switch with every mode's pixel function inlined: a jump per blend, well predicted when
// the mode repeats, and no colour passed between functions.
Rgba blend(int mode, const Rgba& base, const Rgba& layer, float w) {
    switch (mode) {
    case kNormal:
        return perChannel<normal<Lanes>>(base, layer, w);
    case kDarken:
        return perChannel<darken<Lanes>>(base, layer, w);
    case kMultiply:
        return perChannel<multiply<Lanes>>(base, layer, w);
    case kColorBurn:
        return perChannel<colorBurn<Lanes>>(base, layer, w);
    case kLinearBurn:
        return perChannel<linearBurn<Lanes>>(base, layer, w);
    case kDarkerColor:
        return darkerColor(base, layer);
    case kLighten:
        return perChannel<lighten<Lanes>>(base, layer, w);
    case kScreen:
        return perChannel<screen<Lanes>>(base, layer, w);
    case kColorDodge:
        return perChannel<colorDodge<Lanes>>(base, layer, w);
    case kLinearDodge:
    case kAdd:
        return perChannel<linearDodge<Lanes>>(base, layer, w);
    case kLighterColor:
        return lighterColor(base, layer);
    case kOverlay:
        return perChannel<overlay<Lanes>>(base, layer, w);
    case kSoftLight:
        return perChannel<softLight<Lanes>>(base, layer, w);
    case kHardLight:
        return perChannel<hardLight<Lanes>>(base, layer, w);
    case kVividLight:
        return perChannel<eachChannel<vividLight>>(base, layer, w);
    case kLinearLight:
        return perChannel<eachChannel<linearLight>>(base, layer, w);
    case kPinLight:
        return perChannel<eachChannel<pinLight>>(base, layer, w);
    case kHardMix:
        return perChannel<eachChannel<hardMix>>(base, layer, w);
    case kDifference:
        return perChannel<difference<Lanes>>(base, layer, w);
    case kExclusion:
        return perChannel<exclusion<Lanes>>(base, layer, w);
    case kLinearBurnUnclamped:
        return perChannel<linearBurnUnclamped<Lanes>>(base, layer, w);
    case kDivide:
        return perChannel<divide<Lanes>>(base, layer, w);
    case kHue:
    case kSaturation:
    case kLuminosity:
    case kColor:
        return hslCombined(mode, base, layer, w);
    default: // unknown modes, negative ones included
        return opaque(base);
    }
}

} // namespace quillomar::composite
