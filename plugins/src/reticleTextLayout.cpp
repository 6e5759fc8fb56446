#include "reticleTextLayout.h"

#include <algorithm>
#include <cmath>

int fontHeight(int size) {
    static const int kHeights[] = {10, 12, 18};
    return size >= 0 && size < 3 ? kHeights[size] : 0;
}

bool anchorText(const ReticleFrame& frame, int level, int posRel, double offsetX, double offsetY,
                TextAnchor& anchor) {
    if (posRel < 0 || posRel > 8)
        return false;
    const int column = posRel % 3;
    const int row = posRel / 3; // 0 bottom, 1 middle, 2 top
    const double xs[] = {frame.left, (frame.left + frame.right) / 2.0, frame.right};
    const double ys[] = {frame.bottom, (frame.bottom + frame.top) / 2.0, frame.top};
    anchor.x = xs[column];
    anchor.y = ys[row];
    if (anchor.x <= 0.0)
        anchor.x = 1.0;
    const int belowRow = level == kLevelAspectRatio ? 0 : 2;
    anchor.placement = row == belowRow ? kPlaceBelow : kPlaceAbove;
    anchor.x += offsetX;
    anchor.y += offsetY;
    // A frame without finite edges (an aspect ratio of 0, say) or an offset out of range gives
    // no pixel to put the text at.
    return std::isfinite(anchor.x) && std::isfinite(anchor.y);
}

TextOrigin alignText(const TextAnchor& anchor, int width, int align, int fontHeight) {
    double x = anchor.x;
    double y = anchor.y;
    if (align == kAlignCenter)
        x -= width / 2;
    else if (align == kAlignRight)
        x -= width;
    y += anchor.placement == kPlaceBelow ? -fontHeight : 3;
    // The view takes pixels as shorts: a position beyond them stays beyond the port instead of
    // wrapping back onto it.
    const auto pixel = [](double v) {
        return static_cast<int>(std::clamp(v, double(kMinTextPixel), double(kMaxTextPixel)));
    };
    return TextOrigin{pixel(x), pixel(y)};
}
