// Loading and unloading the plug-in with its Viewport 2.0 draw overrides, and how failures of
// their registration are reported.
#include "vp2_fixture.h"

#include <hostkit/drawables.h>
#include <hostkit/scene.h>
#include <maya/MDrawRegistry.h>

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

// Unloads the plug-in expecting the failure report of `line`; it stays loaded.
void expectUnloadFailsAt(int line) {
    std::string error;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(hostkit::unloadPlugin("quillomarPlugins", &error));
    const std::string expected =
        "\nAPI error detected in src/pluginMain.cpp at line " + std::to_string(line) + "\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr().substr(0, expected.size()), expected);
    EXPECT_TRUE(hostkit::isPluginLoaded("quillomarPlugins"));
}

// Each test starts with the plug-in not loaded. A refused unload leaves it half unloaded for the
// rest of the process (the types before the failing one are gone), so the tests that refuse one
// come last; ctest runs each test in a process of its own anyway.
class Vp2Registration : public testing::Test {
protected:
    void SetUp() override {
        hostkit::resetScene();
        if (hostkit::isPluginLoaded("quillomarPlugins") &&
            !hostkit::unloadPlugin("quillomarPlugins"))
            GTEST_SKIP() << "the plug-in is half unloaded in this process";
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

TEST_F(Vp2Registration, ASignInUseKeepsItsTypeAndItsOverride) {
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kPluginPath, &error)) << error;
    hostkit::createNode("sign");
    expectUnloadFailsAt(52);
    EXPECT_TRUE(hostkit::isTypeRegistered("sign"));
    // Its override stays with it, so that the signs in use still draw in Viewport 2.0.
    EXPECT_EQ(overrideClassifications().size(), 2u);
}

TEST_F(Vp2Registration, AMissingSignOverrideFailsTheUnloadBeforeTheSignType) {
    ASSERT_TRUE(hostkit::loadPlugin(kPluginPath));
    ASSERT_TRUE(MHWRender::MDrawRegistry::deregisterDrawOverrideCreator("drawdb/geometry/sign",
                                                                        kRegistrant));
    expectUnloadFailsAt(51);
    EXPECT_TRUE(hostkit::isTypeRegistered("sign"));
}

TEST_F(Vp2Registration, AMissingReticleOverrideFailsTheUnloadAfterTheSignType) {
    ASSERT_TRUE(hostkit::loadPlugin(kPluginPath));
    ASSERT_TRUE(MHWRender::MDrawRegistry::deregisterDrawOverrideCreator("drawdb/geometry/reticle",
                                                                        kRegistrant));
    expectUnloadFailsAt(54);
    EXPECT_FALSE(hostkit::isTypeRegistered("sign"));
    EXPECT_TRUE(hostkit::isTypeRegistered("reticle"));
}
