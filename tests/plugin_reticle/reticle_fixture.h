#pragma once
// A stand-in Maya with the built plug-in loaded, a fresh scene per test with a perspective
// camera "viewer" and a reticle "overlay" under a transform, and helpers to record its draws.
#include <gl_recorder.h>
#include <hostkit/host.h>
#include <hostkit/viewport.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline const char* const kReticlePluginPath = QUILLOMAR_PLUGIN_PATH;
inline const char* const kCamera = "viewer";
inline const char* const kReticle = "overlayShape";

class ReticleTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    static void runMel(const std::string& command);
    // On the reticle: set(".drawingEnabled", 0) sets overlayShape.drawingEnabled.
    static void set(const std::string& plug, double value);
    static void set(const std::string& plug, const std::vector<double>& values);
    static void setString(const std::string& plug, const std::string& value);
    // An aspectRatios element: ratio and display mode, plus any other children given.
    static void addAspect(int index, double ratio, int displayMode);
    // A text element of a type at an anchor on a level.
    static void addText(int index, int type, int posRel = 0, int level = 0);
};

// Records one draw of every locator: all calls, the host's included, or the calls of the
// reticle's draw (from where it saves the GL state).
std::vector<glrec::Call> recordAll(hostkit::Viewport& viewport);
std::vector<glrec::Call> recordDraw(hostkit::Viewport& viewport);
std::vector<std::vector<double>> argsOf(const std::vector<glrec::Call>& calls,
                                        const std::string& name);
