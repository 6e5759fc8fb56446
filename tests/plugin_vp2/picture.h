#pragma once
// What a viewport shows of its locators, in window coordinates (pixels from the bottom-left):
// from the legacy draws' OpenGL feedback, or from the Viewport 2.0 overrides' drawables, so that
// the two can be compared.
#include <hostkit/viewport.h>
#include <maya/MColor.h>
#include <maya/MPoint.h>

#include <string>
#include <vector>

namespace vp2test {

struct Segment {
    MPoint from, to;
    MColor color;
};

struct FillVertex {
    MPoint at;
    MColor color;
};

struct Text {
    std::string text;
    MPoint origin; // where the first glyph starts, after alignment
    MColor color;
    unsigned int fontHeight = 0;
};

struct Picture {
    std::vector<Segment> segments;
    std::vector<FillVertex> fills; // vertices of filled triangles
    double fillArea = 0.0;         // square pixels covered, counting overlaps twice
    std::vector<Text> texts;
};

// The locators' legacy draws, captured in feedback mode.
Picture legacyPicture(hostkit::Viewport& viewport);
// The Viewport 2.0 update's drawables; a text's origin is its anchor moved by its alignment over
// the width of the legacy draws' bitmap font of its height.
Picture viewport2Picture(hostkit::Viewport& viewport);

// The viewport drawn in each mode: the number of pixels whose colours differ by more than
// `tolerance` in a channel.
int differingPixels(hostkit::Viewport& viewport, int tolerance);

// Every segment, fill vertex and text of one matched by the other within half a pixel, with the
// same colour (and for texts the same string and font height); the same area filled.
void expectSamePicture(const Picture& legacy, const Picture& viewport2);

} // namespace vp2test
