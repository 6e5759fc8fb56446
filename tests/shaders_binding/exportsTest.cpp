// The built library as the renderer sees it: its export table and its version functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>

#include <dlfcn.h>

namespace {

const std::set<std::string> kShaderExports = {
    "miSetModuleHandle",       "composite",     "composite_version",     "choiceMr",
    "choiceMr_version",        "contourStore",  "contourStore_version",  "contourContrast",
    "contourContrast_version", "contourShader", "contourShader_version", "contourMltShader",
    "contourMltShader_version"};

std::set<std::string> dynamicExports(const std::string& library) {
    const std::string command = "nm -D --defined-only '" + library + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::set<std::string> names;
    if (pipe == nullptr) {
        return names;
    }
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) {
            names.insert(name);
        }
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    return names;
}

TEST(ShaderLibraryExports, OnlyTheShaderExportsAreVisible) {
    const std::set<std::string> exports = dynamicExports(QUILLOMAR_SHADER_LIBRARY);
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
