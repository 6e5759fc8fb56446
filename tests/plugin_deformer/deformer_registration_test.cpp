// The deformer's row of the registration table: registered first, reported at its own lines.
#include <hostkit/host.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string typesOfThePlugin() {
    std::string names;
    for (const hostkit::NodeTypeInfo& type : hostkit::registeredTypes())
        if (type.plugin == "quillomarPlugins")
            names += (names.empty() ? "" : " ") + type.name;
    return names;
}

// Loads the plug-in, leaves a deformer in the scene and unloads: prints what stayed registered,
// then ends the process (the plug-in cannot be unloaded any more).
[[noreturn]] void unloadWithADeformerInTheScene() {
    std::string error;
    if (!hostkit::isPluginLoaded("quillomarPlugins") &&
        !hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error)) {
        std::fprintf(stderr, "setup failed: %s\n", error.c_str());
        std::_Exit(1);
    }
    hostkit::createNode("obakeDeformer");
    const bool unloaded = hostkit::unloadPlugin("quillomarPlugins");
    std::fprintf(stderr, "%s; registered: %s\n", unloaded ? "unloaded" : "still loaded",
                 typesOfThePlugin().c_str());
    std::fflush(stderr);
    std::_Exit(0);
}

} // namespace

TEST(DeformerRegistration, ATakenIdStopsTheLoadAtItsLineBeforeAnyOtherType) {
    hostkit::resetScene();
    std::string error;
    if (hostkit::isPluginLoaded("quillomarPlugins")) {
        ASSERT_TRUE(hostkit::unloadPlugin("quillomarPlugins", &error)) << error;
    }
    ASSERT_TRUE(hostkit::loadPlugin(QUILLOMAR_ID_TAKER_PATH, &error)) << error;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error));
    const std::string report = testing::internal::GetCapturedStderr();
    const std::string line = "\nAPI error detected in src/pluginMain.cpp at line 19\n";
    EXPECT_EQ(report.substr(0, line.size()), line);
    EXPECT_FALSE(hostkit::isTypeRegistered("sign"));
    EXPECT_FALSE(hostkit::isTypeRegistered("reticle"));
    ASSERT_TRUE(hostkit::unloadPlugin(QUILLOMAR_ID_TAKER_PATH, &error)) << error;
    ASSERT_TRUE(hostkit::loadPlugin(QUILLOMAR_PLUGIN_PATH, &error)) << error;
    EXPECT_TRUE(hostkit::isTypeRegistered("obakeDeformer"));
}

TEST(DeformerRegistration, ADeformerInUseStopsTheUnloadAtItsLineAndKeepsEveryType) {
    EXPECT_EXIT(unloadWithADeformerInTheScene(), testing::ExitedWithCode(0),
                "^\nAPI error detected in src/pluginMain\\.cpp at line 49\n[^\n]*\n"
                "still loaded; registered: obakeDeformer sign reticle\n$");
}
