// The built library as the renderer sees it: its export table and its version functions.
#include <dynamic_exports.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include <dlfcn.h>

namespace {

const std::set<std::string> kShaderExports = {
    "miSetModuleHandle",       "composite",     "composite_version",     "choiceMr",
    "choiceMr_version",        "contourStore",  "contourStore_version",  "contourContrast",
    "contourContrast_version", "contourShader", "contourShader_version", "contourMltShader",
    "contourMltShader_version"};

TEST(ShaderLibraryExports, OnlyTheShaderExportsAreVisible) {
    std::string error;
    const std::set<std::string> exports =
        testsupport::dynamicExports(QUILLOMAR_SHADER_LIBRARY, &error);
    ASSERT_FALSE(exports.empty()) << error;
    for (const std::string& name : exports) {
        EXPECT_TRUE(kShaderExports.count(name)) << "unexpected export " << name;
    }
    for (const char* required : {"miSetModuleHandle", "choiceMr", "choiceMr_version"}) {
        EXPECT_TRUE(exports.count(required)) << "missing export " << required;
    }
    // Every shader's sources are in place: all thirteen exports must be there.
    if (QUILLOMAR_ALL_SHADER_SOURCES) {
        EXPECT_EQ(exports, kShaderExports);
    }
}

TEST(ShaderLibraryExports, EveryVersionFunctionReturnsOne) {
    void* library = dlopen(QUILLOMAR_SHADER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    int checked = 0;
    for (const std::string& name : kShaderExports) {
        const std::string suffix = "_version";
        if (name.size() <= suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        auto version = reinterpret_cast<int (*)()>(dlsym(library, name.c_str()));
        if (version == nullptr) {
            continue; // that shader's sources are not in yet (see the export check)
        }
        EXPECT_EQ(version(), 1) << name;
        ++checked;
    }
    EXPECT_GE(checked, 1);
    dlclose(library);
}

} // namespace
