#pragma once
// Everything a sign's picture depends on, read from its plugs once per draw (legacy) or per
// update (Viewport 2.0), and the geometry both draws share: the marker's vertex lists come from
// the drawers, the curves' control polygons from "cvPositions", and the locator's local frame
// (localPosition, localRotate, localScale) places all of it.
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MPointArray.h>
#include <maya/MString.h>

#include <vector>

struct SignRgba {
    float r, g, b, a;
};

struct SignLook {
    float position[3];
    float rotation[3]; // degrees about X, Y and Z; a vertex is turned about Z first
    float scale[3];
    int type;
    float radius;
    int width;
    MString text;
    float textPosition[3];
    float tailLine[3];
    bool enableTailLine;
    bool enableTextLine;
    SignRgba shape; // colour and opacity of the marker, curves and lines
    SignRgba label; // colour and opacity of the text
};

// The node's values through its plugs; a failed read leaves zero (an empty text, a colour of
// (0, 0, 0)). `displayStatus` is a legacy or Viewport 2.0 display status: the two number them
// alike (0 active: white; 8 lead: green; any other: the node's colours).
SignLook readSignLook(const MObject& node, int displayStatus);

// The control polygons of the curves in "cvPositions" (brought up to date first), in physical
// order, leaving out those with fewer than two points.
std::vector<MPointArray> readCurvePolygons(const MObject& node);

// The locator's local frame as a matrix for row vectors: scale, then the rotations about Z, Y
// and X, then the translation, as the legacy draw's glTranslatef/glRotatef/glScalef apply them.
MMatrix signLocalFrame(const SignLook& look);
