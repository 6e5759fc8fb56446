#pragma once
// Wireframe marker shapes of unit size for the sign locator. The caller sets colour, line width and
// the transform; a drawer only emits vertices.
// GLUT first: on Windows it brings in the system header that gl.h needs.
#include <GL/glut.h>
#include <GL/gl.h>

class Drawer {
public:
    // Emits the shape with the given primitive mode; the base shape is empty.
    virtual void draw(GLenum mode);
};

class Circle : public Drawer {
public:
    // 1 = XZ plane, 2 = XY plane, any other value = YZ plane.
    explicit Circle(int plane = 1) : plane(plane) {}
    void draw(GLenum mode) override;

    int plane;
};

class Square : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Triangle : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Cross : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Arrow : public Drawer {
public:
    void draw(GLenum mode) override;
};

class BothArrow : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Arch : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Ellipse1 : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Star : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Cube : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Sphere : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Pyramid : public Drawer {
public:
    void draw(GLenum mode) override;
};

class MayaSign : public Drawer {
public:
    void draw(GLenum mode) override;
};

class Root : public Drawer {
public:
    void draw(GLenum mode) override;
};
