#pragma once
// Contour points joined into lines and drawn, antialiased, over the colour image.
#include "rayhost/contour_pass.h"

#include <shader.h>

#include <vector>

namespace rayhost {

// An RGBA image in floats, first row at the top.
struct ColorImage {
    int width = 0;
    int height = 0;
    std::vector<miColor> pixels;

    ColorImage(int w, int h) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h)) {}
    miColor& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
};

// A piece of line between two points, colour and width varying linearly along it.
struct LineSegment {
    ContourPoint from;
    ContourPoint to;
};

// Joins the points of each level: within every cell of four neighbouring samples, two points
// make one segment, three or four are each joined to their mean, and a point that no other
// joins in a cell is a dot there.
std::vector<LineSegment> joinContourPoints(const std::vector<ContourPoint>& points);

// Draws the segments over the image. A pixel's coverage by a line of width w at distance d
// from its centre is the overlap of the band [d - w/2, d + w/2] with the pixel's [-1/2, 1/2],
// scaled by the line colour's alpha; across a straight line the coverages add up to its width.
// Where lines overlap, the one covering a pixel most colours it; of equal ones, the nearest.
void drawLines(const std::vector<LineSegment>& segments, ColorImage& image);

} // namespace rayhost
