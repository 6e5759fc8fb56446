// Array data builders as Maya documents them: only for array attributes flagged with
// setUsesArrayDataBuilder; any other gets a builder that refuses every call.
#include <maya/MArrayDataBuilder.h>
#include <maya/MFnNumericAttribute.h>

#include <gtest/gtest.h>

namespace {

MObject floatArray(const char* name, bool array, bool usesBuilder) {
    MFnNumericAttribute fn;
    MObject attribute = fn.create(name, name, MFnNumericData::kFloat, 0.0);
    fn.setArray(array);
    fn.setUsesArrayDataBuilder(usesBuilder);
    return attribute;
}

} // namespace

TEST(ArrayDataBuilder, NeedsAnArrayAttributeThatUsesOne) {
    const struct {
        const char* name;
        bool array, usesBuilder, accepted;
    } cases[] = {{"built", true, true, true},
                 {"unflagged", true, false, false},
                 {"single", false, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MStatus status;
        MArrayDataBuilder builder(nullptr, floatArray(c.name, c.array, c.usesBuilder), 2, &status);
        EXPECT_EQ(static_cast<bool>(status), c.accepted);
        MStatus added;
        builder.addElement(4, &added).setFloat(1.5f);
        EXPECT_EQ(static_cast<bool>(added), c.accepted);
        EXPECT_EQ(builder.elementCount(), c.accepted ? 1u : 0u);
    }
}
