// Loading and unloading the built plug-in the way Maya does.
#include "plugin_paths.h"

#include <dynamic_exports.h>
#include <hostkit/host.h>
#include <maya/MStatus.h>

#include <gtest/gtest.h>

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
} // namespace

TEST(SignRegistration, ThePluginExportsOnlyItsEntryPoints) {
    std::string error;
    EXPECT_EQ(testsupport::dynamicExports(kSignPluginPath, &error),
              (std::set<std::string>{"MApiVersion", "initializePlugin", "uninitializePlugin"}))
        << error;
}

TEST(SignRegistration, LoadRegistersTheNodeTypesQuietlyAndUnloadRemovesThem) {
    testing::internal::CaptureStderr();
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kSignPluginPath, &error)) << error;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(hostkit::pluginApiVersion("quillomarPlugins"), "20190000");

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
