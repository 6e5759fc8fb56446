// Loading and unloading the plug-in with its Viewport 2.0 draw overrides, and how failures of
// their registration are reported.
#include "vp2_fixture.h"

#include <hostkit/drawables.h>
#include <hostkit/scene.h>
#include <maya/MDrawRegistry.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

const MString kRegistrant("quillomarPlugins");

// An override creator of this test program, to take or give back the plug-in's registration.
MHWRender::MPxDrawOverride* noOverride(const MObject&) {
    return nullptr;
}

std::string classificationOf(const std::string& type) {
    for (const hostkit::NodeTypeInfo& info : hostkit::registeredTypes())
        if (info.name == type)
            return info.classification;
    return "(not registered)";
}

std::vector<std::string> overrideClassifications() {
    std::vector<std::string> found;
    for (const hostkit::DrawOverrideInfo& info : hostkit::drawOverrides())
        found.push_back(info.classification + " by " + info.registrant);
    return found;
}

// Loads the plug-in expecting the failure report of `line`.
void expectLoadFailsAt(int line) {
    std::string error;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(hostkit::loadPlugin(kPluginPath, &error));
    const std::string report = testing::internal::GetCapturedStderr();
    const std::string expected =
        "\nAPI error detected in src/pluginMain.cpp at line " + std::to_string(line) + "\n";
    EXPECT_EQ(report.substr(0, expected.size()), expected);
    EXPECT_GT(report.size(), expected.size()) << "the status's own text follows";
    EXPECT_FALSE(hostkit::isPluginLoaded("quillomarPlugins"));
    EXPECT_FALSE(hostkit::isTypeRegistered("sign"));
    EXPECT_FALSE(hostkit::isTypeRegistered("reticle"));
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : ", ") + word;
    return text;
}

// In a child process, as a refused unload leaves the plug-in half unloaded: loads the plug-in,
// lets `sabotage` act, unloads, and tells what stayed registered.
[[noreturn]] void unloadAfter(const std::function<void()>& sabotage) {
    std::string error;
    if (!hostkit::loadPlugin(kPluginPath, &error)) {
        std::fprintf(stderr, "setup failed: %s\n", error.c_str());
        std::_Exit(1);
    }
    sabotage();
    const bool unloaded = hostkit::unloadPlugin("quillomarPlugins");
    std::vector<std::string> types;
    for (const hostkit::NodeTypeInfo& info : hostkit::registeredTypes())
        if (info.plugin == "quillomarPlugins")
            types.push_back(info.name);
    std::fprintf(stderr, "%s; types: %s; overrides: %s\n", unloaded ? "unloaded" : "still loaded",
                 joined(types).c_str(), joined(overrideClassifications()).c_str());
    std::fflush(stderr);
    std::_Exit(0);
}

// The report of a refused unload at `line`, then what stayed.
std::string refusedAt(int line, const std::string& stayed) {
    return "^\nAPI error detected in src/pluginMain\\.cpp at line " + std::to_string(line) +
           "\n\\(kFailure\\)[^\n]*\nstill loaded; " + stayed + "\n$";
}

void dropOverride(const char* classification) {
    if (!MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(classification, kRegistrant))
        std::_Exit(1);
}

// Each test starts with the plug-in not loaded.
class Vp2Registration : public testing::Test {
protected:
    void SetUp() override {
        hostkit::resetScene();
        if (hostkit::isPluginLoaded("quillomarPlugins")) {
            ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins"));
        }
    }
};

} // namespace

TEST_F(Vp2Registration, EachLocatorTypeComesWithItsOverrideAndGoesWithIt) {
    std::string error;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(hostkit::loadPlugin(kPluginPath, &error)) << error;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(classificationOf("sign"), "drawdb/geometry/sign");
    EXPECT_EQ(classificationOf("reticle"), "drawdb/geometry/reticle");
    EXPECT_EQ(overrideClassifications(),
              (std::vector<std::string>{"drawdb/geometry/sign by quillomarPlugins",
                                        "drawdb/geometry/reticle by quillomarPlugins"}));

    testing::internal::CaptureStderr();
    ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins", &error)) << error;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(overrideClassifications().empty());
    EXPECT_FALSE(hostkit::isTypeRegistered("sign"));
}

TEST_F(Vp2Registration, ATakenOverrideRegistrationIsReportedAtItsLineAndFailsTheLoad) {
    using MHWRender::MDrawRegistry;
    for (const auto& [classification, line] :
         {std::pair<const char*, int>{"drawdb/geometry/sign", 32},
          {"drawdb/geometry/reticle", 41}}) {
        SCOPED_TRACE(classification);
        ASSERT_TRUE(
            MDrawRegistry::registerDrawOverrideCreator(classification, kRegistrant, noOverride));
        expectLoadFailsAt(line);
        // What the failed plug-in registered is gone with it; the other registrant's stays.
        EXPECT_EQ(overrideClassifications(),
                  std::vector<std::string>{std::string(classification) + " by quillomarPlugins"});
        ASSERT_TRUE(MDrawRegistry::deregisterDrawOverrideCreator(classification, kRegistrant));
    }
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kPluginPath, &error)) << error;
    ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins", &error)) << error;
}

TEST_F(Vp2Registration, RefusedUnloadsReportTheirLinesAndKeepEachRemainingTypeWithItsOverride) {
    const std::string sign = "drawdb/geometry/sign by quillomarPlugins";
    const std::string reticle = "drawdb/geometry/reticle by quillomarPlugins";
    // A sign in use: its type stays, and so does its override, so that it still draws.
    EXPECT_EXIT(unloadAfter([] { hostkit::createNode("sign"); }), testing::ExitedWithCode(0),
                refusedAt(52, "types: sign, reticle; overrides: " + reticle + ", " + sign));
    // The overrides go before their types.
    EXPECT_EXIT(unloadAfter([] { dropOverride("drawdb/geometry/sign"); }),
                testing::ExitedWithCode(0),
                refusedAt(51, "types: sign, reticle; overrides: " + reticle));
    EXPECT_EXIT(unloadAfter([] { dropOverride("drawdb/geometry/reticle"); }),
                testing::ExitedWithCode(0), refusedAt(54, "types: reticle; overrides: "));
}
