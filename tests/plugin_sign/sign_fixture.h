#pragma once
// A stand-in Maya with the built plug-in loaded, a fresh scene per test and a camera looking
// straight down the Y axis, so that signs (flat in their XZ plane) face it.
#include "plugin_paths.h"

#include <gl_recorder.h>
#include <hostkit/host.h>
#include <hostkit/viewport.h>
#include <maya/MPoint.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class SignSceneTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    // A sign shape named name + "Shape" under a transform named name; returns the shape's name.
    static std::string createSign(const std::string& name);
    static void runMel(const std::string& command);
    static void set(const std::string& plug, double value);
    static void set(const std::string& plug, const std::vector<double>& values);
    static double get(const std::string& plug);
};

// The calls of each locator draw of a recording, split where each draw saves the GL state.
std::vector<std::vector<glrec::Call>> callsPerDraw(const std::vector<glrec::Call>& calls);
// The arguments of every call of that name within one draw's calls.
std::vector<std::vector<double>> argsOf(const std::vector<glrec::Call>& calls,
                                        const std::string& name);

// Window position (pixels from the bottom-left, depth) of a world point in a viewport.
MPoint toWindow(const hostkit::Viewport& viewport, const MPoint& world);

inline const char* const kCamera = "viewer";
