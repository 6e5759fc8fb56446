#pragma once
// The marker shapes a sign can show: the labels and stored values of its "type" enum (stored in
// scenes, so never renumbered) and the drawer each value names.
#include "drawerEmit.h"

// GLUT first: on Windows it brings in the system header that gl.h needs.
#include <GL/glut.h>
#include <GL/gl.h>
#include <cstddef>

struct SignShape {
    const char* label;
    short value;
    void (*draw)(GLenum mode);   // null: no built-in drawer
    DrawerBatches (*vertices)(); // what draw emits; null with draw
};

extern const SignShape kSignShapes[];
extern const std::size_t kSignShapeCount;

// Draws the built-in shape of a type value; values without a drawer draw nothing.
void drawSignShape(int type, GLenum mode);

// The vertex batches drawSignShape emits for a type value, in unit size.
DrawerBatches signShapeVertices(int type);

// Type value whose shape is the control polygons of the connected curves.
const short kCvCurveType = 900;
