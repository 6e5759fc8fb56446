// The plug-in's registration table with the reticle as its last row.
#include <hostkit/host.h>
#include <maya/MStatus.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const char* const kPlugin = QUILLOMAR_PLUGIN_PATH;
const char* const kIdTaker = QUILLOMAR_ID_TAKER_PATH;

std::vector<std::string> typesOf(const std::string& plugin) {
    std::vector<std::string> names;
    for (const hostkit::NodeTypeInfo& type : hostkit::registeredTypes())
        if (type.plugin == plugin)
            names.push_back(type.name);
    return names;
}

// Loads the plug-in, leaves a reticle in the scene and unloads: prints what unloading reported
// and what stayed registered, then ends the process (the plug-in cannot be unloaded any more).
[[noreturn]] void unloadWithAReticleInTheScene() {
    std::string error;
    if (!hostkit::loadPlugin(kPlugin, &error) || hostkit::createNode("reticle").isNull()) {
        std::fprintf(stderr, "setup failed: %s\n", error.c_str());
        std::_Exit(1);
    }
    const bool unloaded = hostkit::unloadPlugin("quillomarPlugins");
    std::string names;
    for (const std::string& name : typesOf("quillomarPlugins"))
        names += " " + name;
    std::fprintf(stderr, "%s; registered:%s\n", unloaded ? "unloaded" : "still loaded",
                 names.c_str());
    std::fflush(stderr);
    std::_Exit(0);
}
} // namespace

TEST(ReticleRegistration, TheReticleIsTheLastRowWithItsId) {
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kPlugin, &error)) << error;
    EXPECT_EQ(typesOf("quillomarPlugins"),
              (std::vector<std::string>{"obakeDeformer", "sign", "reticle"}));
    for (const hostkit::NodeTypeInfo& type : hostkit::registeredTypes()) {
        if (type.name == "reticle") {
            EXPECT_EQ(type.id, 1187528u);
            EXPECT_EQ(type.kind, MPxNode::kLocatorNode);
        }
    }
    ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins", &error)) << error;
    EXPECT_FALSE(hostkit::isTypeRegistered("reticle"));
}

TEST(ReticleRegistration, TakenReticleIdIsReportedAtItsLineAndFailsTheLoad) {
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(kIdTaker, &error)) << error;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(hostkit::loadPlugin(kPlugin, &error));
    const std::string report = testing::internal::GetCapturedStderr();
    const std::string line = "\nAPI error detected in src/pluginMain.cpp at line 37\n";
    EXPECT_EQ(report.substr(0, line.size()), line);
    EXPECT_GT(report.size(), line.size()) << "the status's own text follows";
    EXPECT_FALSE(hostkit::isPluginLoaded("quillomarPlugins"));
    EXPECT_TRUE(hostkit::isTypeRegistered("signIdTaker"));
    ASSERT_TRUE(hostkit::unloadPlugin(kIdTaker, &error)) << error;
}

TEST(ReticleRegistration, AReticleInUseStopsTheUnloadAtItsLineAfterTheEarlierRows) {
    // Deregistration walks the table in registration order: only the reticle is left.
    EXPECT_EXIT(unloadWithAReticleInTheScene(), testing::ExitedWithCode(0),
                "^\nAPI error detected in src/pluginMain\\.cpp at line 55\n\\(kFailure\\)[^\n]*\n"
                "still loaded; registered: reticle\n$");
}
