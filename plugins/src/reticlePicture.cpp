#include "reticlePicture.h"
#include "reticleGeometry.h"

namespace {

void addMasks(ReticlePicture& picture, const std::vector<AspectRatioEntry>& entries,
              const ReticleFrame& window) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const AspectRatioEntry& entry = entries[i];
        if (entry.displayMode != kAspectMask)
            continue;
        // Each mask covers only the bands the previous (smaller) ratio's frame left open.
        const ReticleFrame& outer = i == 0 ? window : entries[i - 1].frame;
        picture.masks.push_back({outer, entry.frame, entry.frame.maskColor, i == 0});
    }
}

void addOutlines(ReticlePicture& picture, const std::vector<AspectRatioEntry>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const AspectRatioEntry& entry = entries[i];
        if (entry.displayMode == kAspectNone)
            continue;
        const MColor& color = entry.frame.lineColor;
        picture.outlines.push_back({entry.frame, color, i == 0, false});
        if (entry.safeAction)
            picture.outlines.push_back({entry.safeActionFrame, color, true, true});
        if (entry.safeTitle)
            picture.outlines.push_back({entry.safeTitleFrame, color, true, true});
    }
}

void addGuideLines(ReticlePicture& picture, const std::vector<AspectRatioEntry>& entries,
                   const ReticleFrame& window, const FilmbackState& filmback,
                   const DisplaySettings& settings) {
    const ReticleFrame& guide = filmback.guideFrame;
    const MColor& color = settings.lineColor;
    auto line = [&](Point2 from, Point2 to) { picture.lines.push_back({from, to, color}); };
    const double cy = window.extentY;
    const double fx = (guide.left + guide.right) / 2.0;
    if (settings.displayLineH)
        line({guide.left, cy}, {guide.right, cy});
    if (settings.displayLineV)
        line({fx, guide.bottom}, {fx, guide.top});
    const ReticleFrame& thirds =
        thirdsReference(entries.data(), static_cast<int>(entries.size()), window);
    const double factors[] = {0.33, 0.66};
    if (settings.displayThirdsH) {
        for (double factor : factors) {
            const double y = thirds.bottom + factor * (thirds.top - thirds.bottom);
            line({thirds.left, y}, {thirds.right, y});
        }
    }
    if (settings.displayThirdsV) {
        for (double factor : factors) {
            const double x = thirds.left + factor * (thirds.right - thirds.left);
            line({x, thirds.bottom}, {x, thirds.top});
        }
    }
    if (settings.displayCrosshair) {
        // Arms 20 pixels long with a 5-pixel gap around the centre.
        line({fx - 25, cy}, {fx - 5, cy});
        line({fx + 25, cy}, {fx + 5, cy});
        line({fx, cy - 25}, {fx, cy - 5});
        line({fx, cy + 25}, {fx, cy + 5});
    }
}

} // namespace

ReticlePicture reticleFrames(const std::vector<AspectRatioEntry>& entries,
                             const ReticleFrame& window, const FilmbackState& filmback,
                             const DisplaySettings& settings) {
    ReticlePicture picture;
    addMasks(picture, entries, window);
    addOutlines(picture, entries);
    addGuideLines(picture, entries, window, filmback, settings);
    return picture;
}

Quad frameCorners(const ReticleFrame& frame) {
    return {Point2{frame.left, frame.bottom}, Point2{frame.right, frame.bottom},
            Point2{frame.right, frame.top}, Point2{frame.left, frame.top}};
}

std::vector<Quad> maskBands(const ReticleMask& mask) {
    const ReticleFrame& outer = mask.outer;
    const ReticleFrame& inner = mask.inner;
    std::vector<Quad> bands = {{Point2{outer.left, outer.bottom}, Point2{outer.right, outer.bottom},
                                Point2{inner.right, inner.bottom},
                                Point2{inner.left, inner.bottom}},
                               {Point2{inner.left, inner.top}, Point2{inner.right, inner.top},
                                Point2{outer.right, outer.top}, Point2{outer.left, outer.top}}};
    if (mask.withSides) {
        bands.push_back({Point2{outer.left, outer.bottom}, Point2{inner.left, inner.bottom},
                         Point2{inner.left, inner.top}, Point2{outer.left, outer.top}});
        bands.push_back({Point2{inner.right, inner.bottom}, Point2{outer.right, outer.bottom},
                         Point2{outer.right, outer.top}, Point2{inner.right, inner.top}});
    }
    return bands;
}

MColor opacityColor(const MColor& color) {
    return MColor(color.r, color.g, color.b, 1.0f - color.a);
}
