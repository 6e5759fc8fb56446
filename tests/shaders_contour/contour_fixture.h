#pragma once
// The contour shaders as the renderer drives them: loaded from the built library, materials
// called through the stand-in's shader network, the three contour functions called with the
// records and states the renderer hands them.
#include <rayhost/call_memory.h>
#include <rayhost/network.h>
#include <rayhost/render.h>
#include <rayhost/transparency.h>

#include <shader.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace contourtest {

// The contour info record as the renderer receives it: 33 words in this order.
struct Settings {
    miColor contourColor;
    miScalar widthRamp, widthMin, widthMax;
    miBoolean overrideContrast;
    miScalar overrideAngle, overrideDepth, falloffBase, nearDepth, nearFactor, farDepth, farFactor;
};

struct Info {
    miVector point, normal;
    miColor color;
    miTag material;
    miInteger level, label, index;
    miVector normalGeom;
    miTag instance;
    Settings settings;
};
static_assert(sizeof(Info) == 132, "33 words");

// Material parameters by their declared names; colours have four values.
using Values = std::vector<std::pair<std::string, std::vector<double>>>;

// Twelve contour settings with a distinct value each, so a field read into the wrong place shows;
// overrideContrast is off at offset 0 and on at any other.
Values distinctSettings(double offset);

class ContourFixture : public ::testing::Test {
protected:
    ContourFixture();
    ~ContourFixture() override;

    rayhost::ShaderLibrary library{QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS};
    rayhost::ShaderNetwork network;
    miOptions options{};
    miContour_Store_Function store = nullptr;
    miContour_Contrast_Function contrast = nullptr;
    miContour_Shader_Function line = nullptr;

    rayhost::InstanceId material(const std::string& name, const Values& values);

    // A primary sample's state on that render thread, hitting primitive 21 of instance 31 with
    // material 41 and label 2 at depth -5, facing the camera.
    rayhost::PrimarySample sample(miSshort thread);

    // Runs the material in the state as the renderer does for a sample.
    miColor shade(rayhost::InstanceId instance, miState& state);
    // contourStore on the state with the renderer's sample colour; checks result and size.
    Info storeInfo(miState& state, miColor* color);
    Info storeInfo(miState& state, miColor color = {0.25f, 0.5f, 0.75f, 1.0f}) {
        return storeInfo(state, &color);
    }
};

void expectSettings(const Settings& actual, const Values& expected);

} // namespace contourtest
