// The Maya module's MEL scripts, as installed, against the installed plug-in loaded through the
// stand-in: every attribute a script names exists on its node, every attribute a node adds to its
// base is placed in its Attribute Editor layout, array elements get controls that suit each
// child, and the creation script makes every node type the plug-in registers.
#include "mel_facts.h"

#include <hostkit/host.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnDependencyNode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kModule = QUILLOMAR_MODULE_DIR;
const std::string kPlugin = "quillomarPlugins";

bool contains(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

std::vector<std::string> pluginTypes() {
    std::vector<std::string> types;
    for (const hostkit::NodeTypeInfo& type : hostkit::registeredTypes())
        if (type.plugin == kPlugin)
            types.push_back(type.name);
    return types;
}

// Every attribute of a node of the type, by long name.
std::map<std::string, MObject> attributesOf(const std::string& type) {
    std::map<std::string, MObject> attributes;
    MStatus status;
    const MObject node = hostkit::createNode(type, "", &status);
    if (!status)
        return attributes;
    const MFnDependencyNode fn(node);
    for (unsigned int i = 0; i < fn.attributeCount(); ++i) {
        const MObject attribute = fn.attribute(i);
        attributes[MFnAttribute(attribute).name().asChar()] = attribute;
    }
    hostkit::deleteNode(node);
    return attributes;
}

// Attribute paths a script builds, e.g. ".aspectRatios[0].aspectRatio" -> {aspectRatios,
// aspectRatio}.
std::vector<std::string> pathNames(const std::string& suffix) {
    std::vector<std::string> names;
    std::string name;
    bool inIndex = false;
    for (const char c : suffix + ".") {
        if (c == '[')
            inIndex = true;
        else if (c == ']')
            inIndex = false;
        else if (c == '.' && !name.empty())
            names.push_back(name), name.clear();
        else if (c != '.' && !inIndex)
            name += c;
    }
    return names;
}

struct NodeTemplate {
    std::string type;
    std::string base; // a type of the same kind that adds nothing (tests/maya_module/bare_types)
};

void PrintTo(const NodeTemplate& node, std::ostream* out) {
    *out << node.type;
}

class ModuleScripts : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        ASSERT_TRUE(hostkit::loadPlugin(kModule + "/plug-ins/" + kPlugin + ".so", &error)) << error;
        ASSERT_TRUE(hostkit::loadPlugin(QUILLOMAR_BARE_TYPES, &error)) << error;
    }
    static void TearDownTestSuite() {
        hostkit::resetScene();
        hostkit::unloadPlugin("quillomarModuleBareTypes");
        hostkit::unloadPlugin(kPlugin);
    }
};

class AttributeEditorTemplate : public ModuleScripts,
                                public testing::WithParamInterface<NodeTemplate> {
protected:
    void SetUp() override {
        if (!hostkit::isTypeRegistered(GetParam().type))
            GTEST_SKIP() << "the plug-in does not register " << GetParam().type << " yet";
        facts = melcheck::readMelFile(kModule + "/scripts/AE" + GetParam().type + "Template.mel");
        attributes = attributesOf(GetParam().type);
        ASSERT_FALSE(attributes.empty());
    }

    bool has(const std::string& name) const { return attributes.count(name) > 0; }

    // Attributes the node adds to its base, top level only (children come with their parent).
    std::vector<std::string> ownTopLevel() const {
        const std::map<std::string, MObject> inherited = attributesOf(GetParam().base);
        std::vector<std::string> own;
        for (const auto& [name, attribute] : attributes)
            if (!inherited.count(name) && MFnAttribute(attribute).parent().isNull())
                own.push_back(name);
        return own;
    }

    melcheck::MelFacts facts;
    std::map<std::string, MObject> attributes;
};

TEST_P(AttributeEditorTemplate, IsWellFormedAndDefinesWhatItCalls) {
    EXPECT_EQ(facts.structureErrors, std::vector<std::string>{});
    EXPECT_TRUE(facts.procedures.count("AE" + GetParam().type + "Template"));
    std::vector<std::string> called = facts.changeCommands;
    called.insert(called.end(), facts.customProcedures.begin(), facts.customProcedures.end());
    for (const std::string& procedure : called)
        EXPECT_TRUE(facts.procedures.count(procedure)) << procedure << " is not defined";
}

TEST_P(AttributeEditorTemplate, NamesOnlyAttributesTheNodeHas) {
    for (const auto* list :
         {&facts.added, &facts.suppressed, &facts.dimmed, &facts.customAttributes})
        for (const std::string& name : *list)
            EXPECT_TRUE(has(name)) << name;
    for (const melcheck::AttributeSuffix& path : facts.attributeSuffixes)
        for (const std::string& name : pathNames(path.suffix))
            EXPECT_TRUE(has(name)) << path.suffix;
    for (const melcheck::ElementControl& control : facts.elementControls)
        EXPECT_TRUE(has(control.child)) << control.command << " " << control.child;
}

TEST_P(AttributeEditorTemplate, PlacesEveryAttributeTheNodeAdds) {
    const std::vector<std::string> own = ownTopLevel();
    EXPECT_FALSE(own.empty());
    for (const std::string& name : own)
        EXPECT_TRUE(contains(facts.added, name) || contains(facts.suppressed, name) ||
                    contains(facts.customAttributes, name))
            << name << " is neither shown nor suppressed";

    // An array of compounds shown through custom controls shows every child of an element.
    std::vector<std::string> reached;
    for (const melcheck::AttributeSuffix& path : facts.attributeSuffixes)
        reached.push_back(pathNames(path.suffix).back());
    for (const std::string& name : facts.customAttributes) {
        const MObject& attribute = attributes.at(name);
        if (!MFnAttribute(attribute).isArray() || !attribute.hasFn(MFn::kCompoundAttribute))
            continue;
        const MFnCompoundAttribute compound(attribute);
        for (unsigned int i = 0; i < compound.numChildren(); ++i) {
            const std::string child = MFnAttribute(compound.child(i)).name().asChar();
            EXPECT_TRUE(contains(reached, child)) << name << "." << child << " has no control";
        }
    }
}

TEST_P(AttributeEditorTemplate, ElementControlsSuitTheirAttributes) {
    std::map<std::string, std::string> controlOf;
    for (const melcheck::ElementControl& control : facts.elementControls) {
        if (!has(control.child))
            continue;
        controlOf[control.child] = control.command;
        const MObject& attribute = attributes.at(control.child);
        const bool colour = MFnAttribute(attribute).isUsedAsColor();
        const bool choice = attribute.hasFn(MFn::kEnumAttribute);
        EXPECT_EQ(control.command == "attrColorSliderGrp", colour) << control.child;
        EXPECT_EQ(control.command == "attrEnumOptionMenuGrp", choice) << control.child;
        if (control.command == "attrFieldGrp") {
            EXPECT_TRUE(attribute.hasFn(MFn::kCompoundAttribute)) << control.child;
        }
    }
    // Every colour of an element is a colour slider and every choice a menu.
    for (const auto& [name, attribute] : attributes) {
        const MObject parent = MFnAttribute(attribute).parent();
        if (parent.isNull() || !MFnAttribute(parent).isArray() ||
            !contains(facts.customAttributes, MFnAttribute(parent).name().asChar()))
            continue;
        if (MFnAttribute(attribute).isUsedAsColor()) {
            EXPECT_EQ(controlOf[name], "attrColorSliderGrp") << name;
        }
        if (attribute.hasFn(MFn::kEnumAttribute)) {
            EXPECT_EQ(controlOf[name], "attrEnumOptionMenuGrp") << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Module, AttributeEditorTemplate,
                         testing::Values(NodeTemplate{"sign", "bareLocator"},
                                         NodeTemplate{"reticle", "bareLocator"},
                                         NodeTemplate{"obakeDeformer", "bareDeformer"}),
                         [](const testing::TestParamInfo<NodeTemplate>& info) {
                             return info.param.type;
                         });

TEST_F(ModuleScripts, EveryNodeTypeOfThePluginHasATemplate) {
    for (const std::string& type : pluginTypes()) {
        const melcheck::MelFacts facts =
            melcheck::readMelFile(kModule + "/scripts/AE" + type + "Template.mel");
        EXPECT_TRUE(facts.procedures.count("AE" + type + "Template")) << type;
    }
}

// The creation script keeps each new node in a variable named after its type ($sign, $reticle,
// $obakeDeformer); what it sets through that variable must be an attribute of that type.
TEST_F(ModuleScripts, CreationScriptMakesEveryNodeTypeOfThePluginAndSetsRealAttributes) {
    const melcheck::MelFacts facts =
        melcheck::readMelFile(kModule + "/scripts/quillomarCreate.mel");
    EXPECT_EQ(facts.structureErrors, std::vector<std::string>{});
    EXPECT_TRUE(facts.procedures.count("quillomarCreate"));
    for (const std::string& type : pluginTypes())
        EXPECT_TRUE(contains(facts.createdTypes, type)) << type << " is never created";
    for (const std::string& type : facts.createdTypes)
        EXPECT_TRUE(type == "transform" || contains(pluginTypes(), type) ||
                    type == "obakeDeformer") // registered once the deformer is in the plug-in
            << type << " is not a type of the plug-in";
    EXPECT_FALSE(facts.attributeSuffixes.empty());
    for (const melcheck::AttributeSuffix& path : facts.attributeSuffixes) {
        EXPECT_TRUE(contains(facts.createdTypes, path.variable)) << "$" << path.variable;
        if (!hostkit::isTypeRegistered(path.variable))
            continue;
        const std::map<std::string, MObject> attributes = attributesOf(path.variable);
        for (const std::string& name : pathNames(path.suffix))
            EXPECT_TRUE(attributes.count(name)) << "$" << path.variable << path.suffix;
    }
}

TEST_F(ModuleScripts, MenuAndShelfCreateEveryNodeTypeWithItsIcon) {
    for (const char* script : {"quillomarMenu", "quillomarShelf"}) {
        const std::string path = kModule + "/scripts/" + script + ".mel";
        const melcheck::MelFacts facts = melcheck::readMelFile(path);
        EXPECT_EQ(facts.structureErrors, std::vector<std::string>{}) << script;
        // Maya finds a global procedure by the name of its file.
        EXPECT_TRUE(facts.procedures.count(script)) << script;
        std::ifstream in(path);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        for (const std::string type : {"sign", "reticle", "obakeDeformer"}) {
            EXPECT_NE(text.find("quillomarCreate \\\"" + type + "\\\""), std::string::npos)
                << script << " does not create " << type;
            EXPECT_TRUE(contains(facts.images, "out_" + type + ".png")) << script << " " << type;
        }
        for (const std::string& image : facts.images)
            EXPECT_TRUE(std::ifstream(kModule + "/icons/" + image).good()) << image;
    }
}

} // namespace
