#pragma once
// Wireframe marker shapes of unit size for the sign locator. The caller sets colour, line width and
// the transform; a drawer only emits vertices. Each shape's vertex list (vertices) is what its
// draw emits and what the Viewport 2.0 override draws.
#include "drawerEmit.h"

// GLUT first: on Windows it brings in the system header that gl.h needs.
#include <GL/glut.h>
#include <GL/gl.h>

class Drawer {
public:
    // Emits the shape with the given primitive mode; the base shape is empty.
    virtual void draw(GLenum mode);
    DrawerBatches vertices() const { return {}; }
};

class Circle : public Drawer {
public:
    // 1 = XZ plane, 2 = XY plane, any other value = YZ plane.
    explicit Circle(int plane = 1) : plane(plane) {}
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;

    int plane;
};

class Square : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Triangle : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Cross : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Arrow : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class BothArrow : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Arch : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Ellipse1 : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Star : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Cube : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Sphere : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Pyramid : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class MayaSign : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};

class Root : public Drawer {
public:
    void draw(GLenum mode) override;
    DrawerBatches vertices() const;
};
