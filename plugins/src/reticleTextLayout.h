#pragma once
// Where a reticle text goes: plain functions over plain values, in viewport pixels.
#include "reticleRecords.h"

enum TextLevel { kLevelWindow = 0, kLevelFilmback = 1, kLevelAspectRatio = 2 };
enum TextAlign { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };
// Below the anchor by a font height, or 3 pixels above it.
enum TextPlacement { kPlaceBelow, kPlaceAbove };

struct TextAnchor {
    double x = 0.0;
    double y = 0.0;
    TextPlacement placement = kPlaceAbove;
};

// Height used to place text of a size (0 small, 1 medium, 2 large); 0 for any other size.
int fontHeight(int size);

// The anchor of `posRel` (bottom left .. top right, row by row) on `frame`, moved off the left
// edge of the port when at or left of it, with the placement that keeps window and film gate
// texts inside their frame and aspect frame texts outside it, then shifted by the offset.
// False for a posRel outside 0..8 or a position that is not a finite number.
bool anchorText(const ReticleFrame& frame, int level, int posRel, double offsetX, double offsetY,
                TextAnchor& anchor);

// The pixels a text may start at: those a view's short coordinates can name.
constexpr int kMinTextPixel = -32768;
constexpr int kMaxTextPixel = 32767;

struct TextOrigin {
    int x = 0;
    int y = 0;
};

// The pixel a text of `width` pixels starts at, given its anchor and alignment, held within
// kMinTextPixel..kMaxTextPixel.
TextOrigin alignText(const TextAnchor& anchor, int width, int align, int fontHeight);
