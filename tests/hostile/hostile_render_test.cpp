// Render scenes and shader networks nobody should write, through quillomar-render's scene reader
// and the stand-in renderer: refused with an error naming the line and what is wrong, or given a
// defined result; never a crash, a hang or memory out of proportion to the file.
#include "hostile_files.h"

#include <rayhost/network.h>
#include <rayhost/patterns.h>
#include <rayhost/render.h>
#include <rayhost/shader_library.h>
#include <scene_file.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace {

class HostileRender : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library =
            new rayhost::ShaderLibrary(QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS);
    }
    static void TearDownTestSuite() { delete library; }
    static rayhost::ShaderLibrary* library;
    rayhost::PatternShaders patterns;
    rayhost::ShaderNetwork network;

    // The scene's error message, or "" when it loads.
    std::string load(const std::string& text) {
        std::istringstream in(text);
        try {
            quillomar::loadScene(in, "h.scene", *library, patterns, network);
        } catch (const std::exception& error) {
            return error.what();
        }
        return "";
    }
    rayhost::InstanceId composite(const std::string& name) {
        return network.add(name, library->kind("composite"));
    }
};
rayhost::ShaderLibrary* HostileRender::library = nullptr;

TEST_F(HostileRender, ArrayCountsAreWholeNumbersUpToTheStatedLimit) {
    for (const char* count :
         {"-1", "2147483647", "2147483648", "100000000", "1000001", "1e300", "nan", "inf", "2.7"}) {
        rayhost::ShaderNetwork fresh;
        std::istringstream in(std::string("shader c composite\narray c.layers ") + count +
                              "\nrender c\n");
        try {
            quillomar::loadScene(in, "h.scene", *library, patterns, fresh);
            ADD_FAILURE() << count << " was accepted";
        } catch (const std::exception& error) {
            EXPECT_EQ(std::string(error.what()), std::string("h.scene:2: \"") + count +
                                                     "\" is not a whole number from 0 to 1000000");
        }
    }
    EXPECT_EQ(load("shader c composite\narray c.layers 0\nrender c\n"), "");
    EXPECT_THROW(network.setArraySize(composite("big"), "layers", 1000001), rayhost::NetworkError);
}

TEST_F(HostileRender, UnknownShadersAndInstancesAreNamed) {
    EXPECT_EQ(load("shader a noSuchShader\n"),
              "h.scene:1: shader \"noSuchShader\" is not declared");
    EXPECT_EQ(load("shader a composite\nconnect a.baseColor nobody\n"),
              "h.scene:2: no shader instance \"nobody\"");
    EXPECT_EQ(load("shader b composite\nshader b composite\n"),
              "h.scene:2: shader instance \"b\" exists already");
}

TEST_F(HostileRender, ValuesBeyondAFloatAreRefusedAndInfinitiesKept) {
    EXPECT_EQ(load("shader a composite\nset a.baseColor 1e300 0 0\n"),
              "h.scene:2: a.baseColor: 1e+300 is beyond the range of a 32-bit float");
    EXPECT_EQ(load("shader b composite\nset b.baseColor inf -inf nan\nrender b\n"), "");
    EXPECT_EQ(load("background 1 -1e39 0\n"),
              "h.scene:1: -1e39 is beyond the range of a 32-bit float");
}

TEST_F(HostileRender, CyclesAreRefusedWhicheverWayTheyClose) {
    const rayhost::InstanceId a = composite("a"), b = composite("b"), c = composite("c");
    EXPECT_THROW(network.connect(a, "baseColor", a), rayhost::NetworkError);
    network.connect(a, "baseColor", b);
    network.connect(b, "baseColor", c);
    EXPECT_THROW(network.connect(c, "baseColor", a), rayhost::NetworkError);
    network.setArraySize(c, "layers", 2);
    EXPECT_THROW(network.connect(c, "layers[1].mask", a), rayhost::NetworkError);
    // A short way down from the source and a wide way up from the target: here the search down
    // meets the search up.
    const rayhost::InstanceId s = composite("s"), m1 = composite("m1"), m2 = composite("m2"),
                              t = composite("t");
    network.connect(s, "baseColor", m1);
    network.connect(m1, "baseColor", m2);
    network.connect(m2, "baseColor", t);
    for (int k = 0; k < 5; ++k)
        network.connect(composite("p" + std::to_string(k)), "baseColor", t);
    EXPECT_THROW(network.connect(t, "baseColor", s), rayhost::NetworkError);
    EXPECT_EQ(load("connect c.layers[0].color b\n"), "h.scene:1: c.layers[0].color: attaching "
                                                     "\"b\" would make a cycle");
}

// Each level doubles the paths through a diamond network; the cycle check must not walk them.
TEST_F(HostileRender, DiamondNetworksAreCheckedWithoutWalkingEveryPath) {
    rayhost::InstanceId top = composite("top");
    for (int level = 0; level < 60; ++level) {
        const rayhost::InstanceId left = composite("l" + std::to_string(level));
        const rayhost::InstanceId right = composite("r" + std::to_string(level));
        const rayhost::InstanceId bottom = composite("b" + std::to_string(level));
        network.setArraySize(top, "layers", 1);
        network.connect(top, "baseColor", left);
        network.connect(top, "layers[0].color", right);
        network.connect(left, "baseColor", bottom);
        network.connect(right, "baseColor", bottom);
        top = bottom;
    }
    EXPECT_THROW(network.connect(top, "baseColor", network.find("top")), rayhost::NetworkError);
    EXPECT_EQ(network.attachmentDepth(network.find("top")), 120);
}

TEST_F(HostileRender, LongChainsLoadInEitherOrderAndTooDeepOnesAreRefusedBeforeRendering) {
    const int length = 20000;
    std::string downward, upward;
    for (int i = 0; i < length; ++i) {
        const std::string name = "s" + std::to_string(i);
        downward += "shader " + name + " composite\n";
        if (i > 0)
            downward += "connect s" + std::to_string(i - 1) + ".baseColor " + name + "\n";
    }
    for (int i = length - 1; i >= 0; --i) {
        upward += "shader t" + std::to_string(i) + " composite\n";
        if (i < length - 1)
            upward +=
                "connect t" + std::to_string(i) + ".baseColor t" + std::to_string(i + 1) + "\n";
    }
    ASSERT_EQ(load(downward + upward + "render s0\n"), "");
    rayhost::RenderSettings settings;
    settings.width = settings.height = 2;
    try {
        rayhost::render(network, {network.find("s0"), ""}, settings);
        ADD_FAILURE() << "a chain of " << length << " was rendered";
    } catch (const rayhost::NetworkError& error) {
        EXPECT_NE(std::string(error.what()).find("at most 1000 are rendered"), std::string::npos)
            << error.what();
    }
}

TEST_F(HostileRender, TheDeepestChainAllowedRendersOnEveryThread) {
    rayhost::InstanceId top = composite("s0");
    network.set(top, "baseColor", {0.5, 0.25, 1, 1});
    for (int i = 1; i <= rayhost::kMostAttachmentDepth; ++i) {
        const rayhost::InstanceId above = composite("s" + std::to_string(i));
        network.connect(above, "baseColor", top);
        top = above;
    }
    rayhost::RenderSettings settings;
    settings.width = 3;
    settings.height = 2;
    settings.threads = 2;
    const quillomar::Image image = rayhost::render(network, {top, ""}, settings);
    EXPECT_EQ(image.pixel(2, 1)[0], 128);
    EXPECT_EQ(image.pixel(2, 1)[2], 255);
}

TEST_F(HostileRender, DeclarationFilesThatDeclareNoShaderAreRefused) {
    const std::string garbage = hostile::writeFile("garbage.mi", std::string("\x7f"
                                                                             "ELF\x02\x01",
                                                                             6) +
                                                                     "random words ( ) { }\n");
    EXPECT_THROW(
        {
            try {
                rayhost::readDeclarations(garbage);
            } catch (const rayhost::DeclarationError& error) {
                EXPECT_EQ(std::string(error.what()),
                          garbage + " declares no shaders (no 'declare shader' block)");
                throw;
            }
        },
        rayhost::DeclarationError);
    const std::string folder = hostile::tempPath("folder.mi");
    std::filesystem::create_directories(folder);
    EXPECT_THROW(rayhost::ShaderLibrary(QUILLOMAR_SHADER_LIBRARY, folder),
                 rayhost::DeclarationError);
}

} // namespace
