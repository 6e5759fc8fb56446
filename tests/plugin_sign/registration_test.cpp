// Loading and unloading the built plug-in the way Maya does.
#include "plugin_paths.h"

#include <dynamic_exports.h>
#include <hostkit/host.h>
#include <maya/MStatus.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {
std::vector<hostkit::NodeTypeInfo> typesFrom(const std::string& plugin) {
    std::vector<hostkit::NodeTypeInfo> types;
    for (const hostkit::NodeTypeInfo& type : hostkit::registeredTypes())
        if (type.plugin == plugin)
            types.push_back(type);
    return types;
}

std::string namesOf(const std::vector<hostkit::NodeTypeInfo>& types) {
    std::string names;
    for (const hostkit::NodeTypeInfo& type : types)
        names += (names.empty() ? "" : " ") + type.name;
    return names;
}

// Loads the plug-in, leaves a sign in the scene and unloads: prints what unloading reported and
// what stayed registered, then ends the process (the plug-in cannot be unloaded any more).
[[noreturn]] void unloadWithASignInTheScene() {
    std::string error;
    if (!hostkit::loadPlugin(kSignPluginPath, &error) || hostkit::createNode("sign").isNull()) {
        std::fprintf(stderr, "setup failed: %s\n", error.c_str());
        std::_Exit(1);
    }
    const bool unloaded = hostkit::unloadPlugin("quillomarPlugins");
    std::fprintf(stderr, "%s; registered: %s\n", unloaded ? "unloaded" : "still loaded",
                 namesOf(typesFrom("quillomarPlugins")).c_str());
    std::fflush(stderr);
    std::_Exit(0);
}
} // namespace

TEST(SignRegistration, ThePluginExportsOnlyItsEntryPoints) {
    std::string error;
    EXPECT_EQ(testsupport::dynamicExports(kSignPluginPath, &error),
              (std::set<std::string>{"MApiVersion", "initializePlugin", "uninitializePlugin"}))
        << error;
}

TEST(SignRegistration, SignInUseStopsTheUnloadAtItsLineAndKeepsTheTypesAfterIt) {
    // The types from the sign on, in registration order, are what a failure there leaves.
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kSignPluginPath, &error)) << error;
    std::vector<hostkit::NodeTypeInfo> types = typesFrom("quillomarPlugins");
    ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins", &error)) << error;
    while (!types.empty() && types.front().name != "sign")
        types.erase(types.begin());
    ASSERT_FALSE(types.empty());

    const std::string expected = "^\nAPI error detected in src/pluginMain\\.cpp at line 52\n"
                                 "\\(kFailure\\)[^\n]*\n"
                                 "still loaded; registered: " +
                                 namesOf(types) + "\n$";
    EXPECT_EXIT(unloadWithASignInTheScene(), testing::ExitedWithCode(0), expected);
}

TEST(SignRegistration, LoadRegistersTheNodeTypesQuietlyAndUnloadRemovesThem) {
    testing::internal::CaptureStderr();
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kSignPluginPath, &error)) << error;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(hostkit::pluginApiVersion("quillomarPlugins"), "20190000");
    EXPECT_EQ(hostkit::pluginVendor("quillomarPlugins"), "Teruyo Vannek");
    EXPECT_EQ(hostkit::pluginVersion("quillomarPlugins"), "1.0.0");

    const std::vector<hostkit::NodeTypeInfo> types = typesFrom("quillomarPlugins");
    ASSERT_FALSE(types.empty());
    bool sawSign = false;
    for (const hostkit::NodeTypeInfo& type : types) {
        if (type.name == "sign") {
            sawSign = true;
            EXPECT_EQ(type.id, 1187527u);
            EXPECT_EQ(type.kind, MPxNode::kLocatorNode);
        }
        EXPECT_TRUE(type.id >= 0x121EC6u && type.id <= 0x121EC8u) << type.name;
    }
    EXPECT_TRUE(sawSign);
    // Registered in table order, which is also the order of the ids.
    for (std::size_t i = 1; i < types.size(); ++i)
        EXPECT_LT(types[i - 1].id, types[i].id);

    testing::internal::CaptureStderr();
    ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins", &error)) << error;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(hostkit::isTypeRegistered("sign"));
    EXPECT_FALSE(hostkit::isPluginLoaded("quillomarPlugins"));
}

TEST(SignRegistration, TakenSignIdIsReportedWithItsLineAndFailsTheLoad) {
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kSignIdTakerPath, &error)) << error;

    testing::internal::CaptureStderr();
    const MStatus status = hostkit::loadPlugin(kSignPluginPath, &error);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(status);
    const std::string line = "\nAPI error detected in src/pluginMain.cpp at line 28\n";
    EXPECT_EQ(report.substr(0, line.size()), line);
    EXPECT_GT(report.size(), line.size()) << "the status's own text follows";
    EXPECT_FALSE(hostkit::isPluginLoaded("quillomarPlugins"));
    EXPECT_FALSE(hostkit::isTypeRegistered("reticle"));
    EXPECT_FALSE(hostkit::isTypeRegistered("sign"));

    ASSERT_TRUE(hostkit::unloadPlugin(kSignIdTakerPath, &error)) << error;
    // With the id free again the plug-in loads.
    ASSERT_TRUE(hostkit::loadPlugin(kSignPluginPath, &error)) << error;
    EXPECT_TRUE(hostkit::isTypeRegistered("sign"));
    ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins", &error)) << error;
}
