#pragma once
// What the blend-mode chart shows: one swatch per mode, each a layer gradient over a base
// gradient, laid out in a labelled grid.
#include <string>

namespace blendchart {

constexpr int kModeCount = 27;

struct Colour {
    float r, g, b;
};

// The mode's name as users know it, indexed by the stored mode value.
const char* modeName(int mode);

// Base under every swatch, varying left to right (u in 0..1): dark blue through teal to cream.
Colour baseGradient(float u);

// Layer over every swatch, varying top to bottom (v in 0..1): a saturated hue sweep.
Colour layerGradient(float v);

struct Rect {
    int x, y, width, height;
};

struct ChartLayout {
    int columns = 7;
    int swatchWidth = 250;
    int swatchHeight = 140;
    int labelHeight = 28;
    int gap = 10;

    // One cell more than there are modes: the last holds the legend.
    int rows() const { return (kModeCount + 1 + columns - 1) / columns; }
    int imageWidth() const { return columns * (swatchWidth + gap) + gap; }
    int imageHeight() const { return rows() * (swatchHeight + labelHeight + gap) + gap; }
    // The gradient area of a mode's swatch; its label sits just below. Cell kModeCount is the
    // legend's.
    Rect swatch(int cell) const;
};

} // namespace blendchart
