// Loading the built shader library the way the renderer does.
#include <rayhost/shader_library.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string shippedDeclarations() {
    std::ifstream in(QUILLOMAR_SHADER_DECLARATIONS);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string writeDeclarations(const std::string& text) {
    const std::string path = ::testing::TempDir() + "declarations.mi";
    std::ofstream(path) << text;
    return path;
}

TEST(ShaderLibraryLoading, ProvidesTheExportedDeclaredShadersAtTheirVersions) {
    rayhost::ShaderLibrary library(QUILLOMAR_SHADER_LIBRARY, QUILLOMAR_SHADER_DECLARATIONS);
    EXPECT_TRUE(library.provides("choiceMr"));
    EXPECT_EQ(library.version("choiceMr"), 1);
    EXPECT_NE(library.kind("choiceMr").function, nullptr);
    EXPECT_NE(library.symbol("miSetModuleHandle"), nullptr);
    EXPECT_EQ(library.symbol("mi_phen_eval"), nullptr); // binding entries stay private
    EXPECT_THROW(library.kind("notDeclared"), rayhost::LoadError);
}

TEST(ShaderLibraryLoading, RefusesAMissingLibraryAndAVersionThatDiffersFromItsDeclaration) {
    EXPECT_THROW(rayhost::ShaderLibrary("/nonexistent/library.so", QUILLOMAR_SHADER_DECLARATIONS),
                 rayhost::LoadError);
    EXPECT_THROW(rayhost::ShaderLibrary(QUILLOMAR_SHADER_LIBRARY, "/nonexistent/shaders.mi"),
                 rayhost::DeclarationError);

    std::string text = shippedDeclarations();
    const std::string declared = "\"choiceMr\"";
    const std::size_t at = text.find("version 1", text.find(declared));
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 9, "version 2");
    try {
        rayhost::ShaderLibrary library(QUILLOMAR_SHADER_LIBRARY, writeDeclarations(text));
        ADD_FAILURE() << "loaded a library whose version differs";
    } catch (const rayhost::LoadError& error) {
        EXPECT_NE(std::string(error.what()).find("\"choiceMr\""), std::string::npos);
    }
}

} // namespace
