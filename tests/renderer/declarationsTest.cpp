#include <rayhost/declarations.h>

#include <gtest/gtest.h>

namespace {

using rayhost::ShaderDeclaration;
using rayhost::ValueKind;

const ShaderDeclaration& find(const std::vector<ShaderDeclaration>& all, const std::string& name) {
    for (const ShaderDeclaration& declaration : all) {
        if (declaration.name == name) {
            return declaration;
        }
    }
    throw std::runtime_error("not declared: " + name);
}

std::vector<std::size_t> offsets(const rayhost::Type& type) {
    std::vector<std::size_t> result;
    for (const rayhost::Field& field : type.fields) {
        result.push_back(field.offset);
    }
    return result;
}

class ShippedDeclarations : public ::testing::Test {
protected:
    std::vector<ShaderDeclaration> all = rayhost::readDeclarations(QUILLOMAR_SHADER_DECLARATIONS);
};

TEST_F(ShippedDeclarations, DeclareAllSixShadersAtVersionOne) {
    ASSERT_EQ(all.size(), 6u);
    for (const char* name : {"composite", "choiceMr", "contourMltShader", "contourStore",
                             "contourContrast", "contourShader"}) {
        EXPECT_EQ(find(all, name).version, 1) << name;
    }
}

TEST_F(ShippedDeclarations, CompositeLaysOutAStructArray) {
    const ShaderDeclaration& composite = find(all, "composite");
    EXPECT_EQ(offsets(composite.parameters), (std::vector<std::size_t>{0, 16}));
    const rayhost::Type& layers = composite.parameters.fields[1].type;
    ASSERT_EQ(layers.kind, ValueKind::Array);
    EXPECT_EQ(layers.storageOffset, 8u); // start index, count, then the storage
    EXPECT_EQ(offsets(*layers.element), (std::vector<std::size_t>{0, 4, 20, 24}));
    EXPECT_EQ(layers.element->size, 40u);
    EXPECT_EQ(composite.parameters.size, 16u + 8u + 40u);
    EXPECT_EQ(composite.parameters.fields[0].defaults, (std::vector<double>{0, 0, 0, 1}));
}

TEST_F(ShippedDeclarations, ChoiceMrArraysAndStructResult) {
    const ShaderDeclaration& choice = find(all, "choiceMr");
    // selector; then per array start, count and one element: colour 24, vector 20, words 12.
    EXPECT_EQ(offsets(choice.parameters), (std::vector<std::size_t>{0, 4, 28, 48, 60, 72}));
    EXPECT_EQ(choice.parameters.size, 84u);
    ASSERT_TRUE(choice.hasResult);
    EXPECT_EQ(offsets(choice.result), (std::vector<std::size_t>{0, 16, 28, 32, 36}));
    EXPECT_EQ(choice.result.fields[2].type.kind, ValueKind::Scalar);
    EXPECT_EQ(choice.result.fields[3].type.kind, ValueKind::Integer);
    EXPECT_EQ(choice.result.fields[4].type.kind, ValueKind::Boolean);
}

TEST_F(ShippedDeclarations, ContourBlocksAreWordsAfterTheirColours) {
    EXPECT_EQ(find(all, "contourMltShader").parameters.fields.size(), 17u);
    EXPECT_EQ(find(all, "contourMltShader").parameters.size, 3 * 16u + 14 * 4u);
    EXPECT_EQ(find(all, "contourContrast").parameters.size, 9 * 4u);
    EXPECT_EQ(find(all, "contourStore").parameters.fields.size(), 0u);
    EXPECT_EQ(find(all, "contourShader").parameters.fields.size(), 0u);
}

TEST(DeclarationErrors, NameTheLineOfTheFault) {
    const std::pair<const char*, const char*> cases[] = {
        {"declare shader color \"a\" (\n  texture \"t\"\n) end declare", ":2: type 'texture'"},
        {"declare shader color \"a\" (\n  color \"c\" default 1 2\n) end declare", ":2: default"},
        {"declare shader color \"a\" (scalar \"x\",\n scalar \"x\") end declare",
         ":2: parameter \"x\" declared twice"},
        {"declare shader color \"a\" ()\n version 1\n", ":3: missing 'end declare'"},
        {"declare shader color \"a\n", ":1: unterminated string"},
        {"declare shader color \"a\" (struct \"s\" {}) end declare", ":1: a struct needs"},
        {"declare shader color \"a\" (scalar \"x\" scalar \"y\") end declare", ":1: expected ','"},
    };
    for (const auto& [text, expected] : cases) {
        try {
            rayhost::parseDeclarations(text, "t.mi");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const rayhost::DeclarationError& error) {
            EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
        }
    }
}

TEST(DeclarationErrors, OtherStatementsAreSkipped) {
    const auto all = rayhost::parseDeclarations(
        "link \"x.so\"\n$include \"y.mi\"\ndeclare shader \"s\" (boolean \"b\" default on)\n"
        "version 3 apply material, texture end declare\n");
    ASSERT_EQ(all.size(), 1u);
    EXPECT_FALSE(all[0].hasResult);
    EXPECT_EQ(all[0].version, 3);
    EXPECT_EQ(all[0].apply, (std::vector<std::string>{"material", "texture"}));
    EXPECT_EQ(all[0].parameters.fields[0].defaults, std::vector<double>{1});
}

} // namespace
