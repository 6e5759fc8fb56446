#pragma once
// A stand-in Maya with the built plug-in loaded and a fresh scene per test, for drawing the
// plug-in's locators in both viewports.
#include <hostkit/host.h>
#include <hostkit/viewport.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline const char* const kPluginPath = QUILLOMAR_PLUGIN_PATH;

class Vp2Test : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    static void runMel(const std::string& command);
    static void set(const std::string& plug, double value);
    static void set(const std::string& plug, const std::vector<double>& values);
    static void setString(const std::string& plug, const std::string& value);
    // A transform `name` at `position` with a shape of `type` named name + "Shape" under it;
    // returns the shape's name.
    static std::string create(const std::string& type, const std::string& name,
                              const std::vector<double>& position = {0, 0, 0});
    // A perspective camera "viewer" at `position`, rotated by `rotation` degrees.
    static void createCamera(const std::vector<double>& position,
                             const std::vector<double>& rotation);
};

// The one override draw of the shape named `shape` in the last Viewport 2.0 update.
const hostkit::OverrideDraw& overrideOf(const hostkit::Viewport& viewport,
                                        const std::string& shape);
// A Viewport 2.0 update, checked to make no OpenGL call and to read no plug in addUIDrawables;
// the override draw of `shape` in it.
hostkit::OverrideDraw updateOverrides(hostkit::Viewport& viewport, const std::string& shape);
