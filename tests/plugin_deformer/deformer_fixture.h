#pragma once
// A stand-in Maya with the built plug-in loaded and a fresh scene per test, at frame 0, with the
// deformer's shared history emptied.
#include <hostkit/host.h>
#include <hostkit/scene.h>
#include <maya/MObject.h>
#include <maya/MPointArray.h>

#include <gtest/gtest.h>

#include <string>

class DeformerTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    // A flat grid of columns x rows vertices one unit apart in the XZ plane, facing +Y, under a
    // new transform `name` at the origin; vertex (c, r) is number r * columns + c and has the UV
    // (c, r) / (columns - 1, rows - 1). Returns the shape's name.
    static std::string grid(const std::string& name, int columns, int rows);
    // The same grid as mesh data, to feed a shape.
    static MObject gridData(int columns, int rows);
    // An obakeDeformer on the meshes (a MEL object list), its time driven by the scene's time.
    static std::string deform(const std::string& meshes);
    // World positions of a mesh shape at `frame`; reading them evaluates the deformer.
    static MPointArray pointsAt(const std::string& shape, double frame);
    static MPointArray worldPoints(const std::string& shape);
    static void runMel(const std::string& commands);
    static void set(const std::string& plug, double value);
};
