#include "reticleTextLayout.h"

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
    return true;
}

TextOrigin alignText(const TextAnchor& anchor, int width, int align, int fontHeight) {
    double x = anchor.x;
    double y = anchor.y;
    if (align == kAlignCenter)
        x -= width / 2;
    else if (align == kAlignRight)
        x -= width;
    y += anchor.placement == kPlaceBelow ? -fontHeight : 3;
    return TextOrigin{static_cast<int>(x), static_cast<int>(y)};
}
