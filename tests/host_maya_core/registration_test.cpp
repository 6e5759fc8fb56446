// Plug-in loading, node type registration and node creation.
#include "test_nodes.h"

#include "core/internal.h"

#include <hostkit/host.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>

namespace {

const char* const kProbe = "core_probe_plugin";

using RegisterHook = MStatus (*)(const char*, unsigned int, bool);
using DeregisterHook = MStatus (*)(unsigned int);

template <class T> T hook(const char* name) {
    void* handle = dlopen(CORE_PROBE_PLUGIN, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(handle, nullptr);
    T function = handle ? reinterpret_cast<T>(dlsym(handle, name)) : nullptr;
    if (handle)
        dlclose(handle); // drops only the reference taken here
    return function;
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override {
        coretest::prepareScene();
        std::string error;
        ASSERT_TRUE(hostkit::loadPlugin(CORE_PROBE_PLUGIN, &error)) << error;
        registerNode = hook<RegisterHook>("coreProbeRegister");
        deregisterNode = hook<DeregisterHook>("coreProbeDeregister");
        ASSERT_TRUE(registerNode && deregisterNode);
    }
    void TearDown() override { hostkit::unloadPlugin(kProbe); }

    RegisterHook registerNode = nullptr;
    DeregisterHook deregisterNode = nullptr;
};

} // namespace

TEST(PluginLoading, LoadsReadsTheVersionAndUnloadsOnceItsNodesAreGone) {
    coretest::prepareScene();
    std::string error;
    ASSERT_TRUE(hostkit::loadPlugin(CORE_PROBE_PLUGIN, &error)) << error;
    EXPECT_TRUE(hostkit::isPluginLoaded(kProbe));
    EXPECT_EQ(hostkit::pluginApiVersion(kProbe), "20190000");
    EXPECT_EQ(hostkit::pluginVendor(kProbe), "Probe Vendor");
    EXPECT_EQ(hostkit::pluginVersion(kProbe), "2.0");
    EXPECT_STREQ(hook<const char* (*)()>("coreProbeVendor")(), "Probe Vendor");
    const auto types = hostkit::registeredTypes();
    auto probe = std::find_if(types.begin(), types.end(),
                              [](const hostkit::NodeTypeInfo& t) { return t.name == "coreProbe"; });
    ASSERT_NE(probe, types.end());
    EXPECT_EQ(probe->id, 0x7F101u);
    EXPECT_EQ(probe->plugin, kProbe);

    MObject node = hostkit::createNode("coreProbe");
    ASSERT_FALSE(node.isNull());
    double value = 0.0;
    EXPECT_TRUE(hostkit::getAttr(hostkit::nodeName(node) + ".value", value));
    EXPECT_DOUBLE_EQ(value, 2.5);

    EXPECT_FALSE(hostkit::loadPlugin(CORE_PROBE_PLUGIN, &error)) << "loaded twice";
    // Its type is in use: uninitializePlugin fails to deregister it and the plug-in stays.
    EXPECT_FALSE(hostkit::unloadPlugin(kProbe, &error));
    EXPECT_NE(error.find("uninitializePlugin"), std::string::npos) << error;
    EXPECT_TRUE(hostkit::isPluginLoaded(kProbe));
    EXPECT_TRUE(mcore::isAlive(node));

    ASSERT_TRUE(hostkit::deleteNode(node));
    ASSERT_TRUE(hostkit::unloadPlugin(kProbe, &error)) << error;
    EXPECT_FALSE(hostkit::isPluginLoaded(kProbe));
    EXPECT_FALSE(hostkit::isTypeRegistered("coreProbe"));
}

TEST(PluginLoading, RefusesWhatIsNotAPluginWithAClearMessage) {
    coretest::prepareScene();
    std::string error;
    EXPECT_FALSE(hostkit::loadPlugin("/nonexistent/plugin.so", &error));
    EXPECT_NE(error.find("/nonexistent/plugin.so"), std::string::npos) << error;

    error.clear();
    EXPECT_FALSE(hostkit::loadPlugin(CORE_HALF_PLUGIN, &error));
    EXPECT_NE(error.find("uninitializePlugin"), std::string::npos) << error;
    EXPECT_FALSE(hostkit::isPluginLoaded(CORE_HALF_PLUGIN));
    EXPECT_FALSE(hostkit::unloadPlugin("core_half_plugin"));
}

TEST(PluginLoading, AFailedInitializeLeavesNothingBehind) {
    coretest::prepareScene();
    setenv("CORE_PROBE_FAIL_INIT", "1", 1);
    std::string error;
    const MStatus status = hostkit::loadPlugin(CORE_PROBE_PLUGIN, &error);
    unsetenv("CORE_PROBE_FAIL_INIT");
    EXPECT_FALSE(status);
    EXPECT_NE(error.find("initializePlugin"), std::string::npos) << error;
    EXPECT_FALSE(hostkit::isPluginLoaded(kProbe));
    EXPECT_FALSE(hostkit::isTypeRegistered("coreProbe"));
}

TEST_F(Registration, RunsInitializeAndRefusesTakenNamesAndIds) {
    ASSERT_TRUE(registerNode("probeTwo", 0x7F102, false));
    MObject node = hostkit::createNode("probeTwo");
    EXPECT_TRUE(MFnDependencyNode(node).hasAttribute("value")) << "initialize ran";

    EXPECT_FALSE(registerNode("probeTwo", 0x7F103, false)) << "name taken";
    EXPECT_FALSE(registerNode("adder", 0x7F104, false)) << "name taken by a host type";
    EXPECT_FALSE(registerNode("probeThree", 0x7F102, false)) << "id taken";
    EXPECT_FALSE(registerNode("probeFour", 0x7F105, true)) << "initialize failed";
    for (const char* name : {"probeThree", "probeFour"})
        EXPECT_FALSE(hostkit::isTypeRegistered(name)) << name;
    EXPECT_TRUE(hostkit::createNode("probeFour").isNull());
}

TEST_F(Registration, DeregistersOnlyKnownIdsOfItsOwnThatAreNotInUse) {
    ASSERT_TRUE(registerNode("probeTwo", 0x7F102, false));
    EXPECT_FALSE(deregisterNode(0x7F1FF)) << "unknown id";
    EXPECT_FALSE(deregisterNode(0x7F201)) << "a host type";
    EXPECT_TRUE(hostkit::isTypeRegistered("adder"));
    const MObject node = hostkit::createNode("probeTwo");
    EXPECT_FALSE(deregisterNode(0x7F102)) << "a node of the type exists";
    EXPECT_TRUE(hostkit::isTypeRegistered("probeTwo"));
    ASSERT_TRUE(hostkit::deleteNode(node));
    EXPECT_TRUE(deregisterNode(0x7F102));
    EXPECT_FALSE(hostkit::isTypeRegistered("probeTwo"));
    EXPECT_FALSE(deregisterNode(0x7F102)) << "already gone";
}

TEST(NodeCreation, CreatorRunsBeforePostConstructorWhichSeesItsNode) {
    coretest::prepareScene();
    MObject first = hostkit::createNode("lifecycle");
    EXPECT_EQ(coretest::Lifecycle::events,
              (std::vector<std::string>{"constructed without node", "postConstructor"}));
    EXPECT_EQ(hostkit::nodeName(first), "lifecycle1");
    EXPECT_EQ(hostkit::nodeName(hostkit::createNode("lifecycle")), "lifecycle2");
    EXPECT_EQ(hostkit::nodeName(hostkit::createNode("lifecycle", "lifecycle1")), "lifecycle3");
    EXPECT_EQ(hostkit::nodeName(hostkit::createNode("lifecycle", "mine")), "mine");
    EXPECT_TRUE(hostkit::createNode("noSuchType").isNull());
    EXPECT_EQ(hostkit::findNode("mine"), hostkit::allNodes().back());

    ASSERT_TRUE(hostkit::deleteNode(first));
    EXPECT_TRUE(hostkit::findNode("lifecycle1").isNull());
    EXPECT_EQ(hostkit::nodeName(first), "");
    hostkit::resetScene();
    EXPECT_TRUE(hostkit::findNode("lifecycle2").isNull());
}
