// Internal attributes as Maya 2019 routes them: the host calls the context forms of the
// callbacks, whose defaults hand over to the context-free ones. Overriding the context-free form
// and calling the base context form from it comes back to the override, as it does in Maya.
// The deprecated context forms are what these tests are about (see CMakeLists.txt).
#include "host_types.h"

#include <hostkit/host.h>
#include <maya/MDGContext.h>
#include <maya/MDataHandle.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

MObject gValue;

MStatus initialize() {
    MFnNumericAttribute fn;
    gValue = fn.create("value", "v", MFnNumericData::kInt, 1);
    fn.setInternal(true);
    return MPxNode::addAttribute(gValue);
}

// Overrides both generations and records which the host calls.
struct BothForms : MPxNode {
    std::vector<std::string> calls;
    bool setInternalValue(const MPlug&, const MDataHandle&) override {
        calls.push_back("set");
        return false;
    }
    bool getInternalValue(const MPlug&, MDataHandle&) override {
        calls.push_back("get");
        return false;
    }
    bool setInternalValueInContext(const MPlug&, const MDataHandle&, MDGContext&) override {
        calls.push_back("setInContext");
        return false;
    }
    bool getInternalValueInContext(const MPlug&, MDataHandle&, MDGContext&) override {
        calls.push_back("getInContext");
        return false;
    }
};

// Overrides the context-free form and (wrongly) calls the base context form from it; a depth
// limit stands in for the stack overflow Maya would end in.
struct CallsTheBaseContextForm : MPxNode {
    int depth = 0;
    int deepest = 0;
    bool setInternalValue(const MPlug& plug, const MDataHandle& handle) override {
        ++depth;
        deepest = std::max(deepest, depth);
        MDGContext context;
        const bool kept = depth < 3 && MPxNode::setInternalValueInContext(plug, handle, context);
        --depth;
        return kept;
    }
};

// Overrides only the context form and keeps the value itself.
struct ContextFormOnly : MPxNode {
    int kept = 0;
    bool setInternalValueInContext(const MPlug&, const MDataHandle& handle, MDGContext&) override {
        kept = handle.asInt();
        return true;
    }
    bool getInternalValueInContext(const MPlug&, MDataHandle& handle, MDGContext&) override {
        handle.set(kept * 10);
        return true;
    }
};

template <typename T> T* create(const char* type, unsigned int id, const char* name) {
    return apitest::userNode<T>(apitest::createNode<T>(type, id, initialize, name));
}

} // namespace

TEST(InternalValues, TheHostCallsTheContextForms) {
    BothForms* node = create<BothForms>("bothForms", 0x7F3A1, "both");
    ASSERT_NE(node, nullptr);
    ASSERT_TRUE(hostkit::setAttr("both.value", 4));
    double value = 0;
    ASSERT_TRUE(hostkit::getAttr("both.value", value));
    EXPECT_EQ(value, 4.0) << "false leaves the value to the host";
    EXPECT_EQ(node->calls, (std::vector<std::string>{"setInContext", "getInContext"}));
}

TEST(InternalValues, TheBaseContextFormComesBackToTheContextFreeOverride) {
    CallsTheBaseContextForm* node =
        create<CallsTheBaseContextForm>("callsBase", 0x7F3A2, "recursive");
    ASSERT_NE(node, nullptr);
    ASSERT_TRUE(hostkit::setAttr("recursive.value", 4));
    EXPECT_EQ(node->deepest, 3) << "each base call re-enters the override";
}

TEST(InternalValues, AContextFormOverrideAloneHandlesReadsAndWrites) {
    ContextFormOnly* node = create<ContextFormOnly>("contextOnly", 0x7F3A3, "legacy");
    ASSERT_NE(node, nullptr);
    ASSERT_TRUE(hostkit::setAttr("legacy.value", 4));
    EXPECT_EQ(node->kept, 4);
    double value = 0;
    ASSERT_TRUE(hostkit::getAttr("legacy.value", value));
    EXPECT_EQ(value, 40.0);
}
